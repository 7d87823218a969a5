// Position messages: the query replies and the distance and timed reports, by SMS or as
// short burst data, appended to the modem's command queue.
#include <algorithm>

#include "gps/gps_tracker.h"
#include "gps/report_queue.h"
#include "ui/terminal.h"

namespace shortmsg {

void GpsTracker::QueueGPSReportSMS(const std::string& destination, const std::string& text) {
    app_.Sms().QueueTextMessage(text, destination);
}

void GpsTracker::QueueGPSReportSBM(const std::string& text) {
    app_.Sms().QueueSbdMessage(text);
}

void GpsTracker::SendLastSentence(Channel channel) {
    // The box may show the sentence cut to its maximum length; the message carries it whole.
    app_.Sms().SMinputWindow.SetText(state.GPS_LastSentence);
    if (channel == Channel::Sms) {
        QueueGPSReportSMS(state.GPS_ReportAddress, state.GPS_LastSentence);
    } else {
        QueueGPSReportSBM(state.GPS_LastSentence);
    }
}

bool GpsTracker::ReportWaiting(Source source) const {
    const SMS& sms = app_.Sms();
    return ReportStillQueued(sms.TxModemBuffer, sms.TxCommandEnd,
                             lastReportLines_[static_cast<std::size_t>(source)]);
}

void GpsTracker::SendReport(Source source) {
    const std::string& queue = app_.Sms().TxModemBuffer;
    const std::size_t before = queue.size();
    SendLastSentence(app_.Options().SBM_Enabled.Checked() ? Channel::ShortBurst : Channel::Sms);
    lastReportLines_[static_cast<std::size_t>(source)].assign(queue,
                                                              std::min(before, queue.size()));
}

}  // namespace shortmsg
