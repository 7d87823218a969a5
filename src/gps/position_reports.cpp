// Position messages: the query replies and the distance and timed reports, by SMS or as
// short burst data, queued for the modem.
#include "gps/gps_tracker.h"
#include "gps/rmc_sentence.h"

namespace shortmsg {

int GpsTracker::QueueGPSReportSMS(const std::string& destination, const std::string& text) {
    return sink_.QueueSms(destination, text);
}

int GpsTracker::QueueGPSReportSBM(const std::string& text) {
    return sink_.QueueSbd(text);
}

int GpsTracker::SendLastSentence(const Recipient& to) {
    if (to.channel == Channel::Sms && to.number.empty()) return 0;
    const std::string text(ReportText(state.GPS_LastSentence));
    // The compose box may show the sentence cut to its maximum length; the message carries
    // it whole.
    view_.ShowReport(text);
    if (to.channel == Channel::Sms) return QueueGPSReportSMS(to.number, text);
    return QueueGPSReportSBM(text);
}

bool GpsTracker::ReportWaiting(Source source) const {
    return sink_.Unwritten(lastReports_[static_cast<std::size_t>(source)]);
}

void GpsTracker::SendReport(Source source) {
    const Recipient& to =
        source == Source::Distance ? state.distanceRecipient : state.timedRecipient;
    lastReports_[static_cast<std::size_t>(source)] = SendLastSentence(to);
}

}  // namespace shortmsg
