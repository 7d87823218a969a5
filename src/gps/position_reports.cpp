// Position messages: the query replies and the distance and timed reports, by SMS or as
// short burst data, queued for the modem.
#include "gps/gps_tracker.h"
#include "gps/report_queue.h"

namespace shortmsg {

std::string GpsTracker::QueueGPSReportSMS(const std::string& destination, const std::string& text) {
    return sink_.QueueSms(destination, text);
}

std::string GpsTracker::QueueGPSReportSBM(const std::string& text) {
    return sink_.QueueSbd(text);
}

std::string GpsTracker::SendLastSentence(Channel channel) {
    // The compose box may show the sentence cut to its maximum length; the message carries
    // it whole.
    view_.ShowReport(state.GPS_LastSentence);
    if (channel == Channel::Sms) {
        return QueueGPSReportSMS(state.GPS_ReportAddress, state.GPS_LastSentence);
    }
    return QueueGPSReportSBM(state.GPS_LastSentence);
}

bool GpsTracker::ReportWaiting(Source source) const {
    return ReportStillQueued(sink_.Waiting(), lastReportLines_[static_cast<std::size_t>(source)]);
}

void GpsTracker::SendReport(Source source) {
    lastReportLines_[static_cast<std::size_t>(source)] =
        SendLastSentence(settings_.sbmEnabled ? Channel::ShortBurst : Channel::Sms);
}

}  // namespace shortmsg
