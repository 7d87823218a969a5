// The "GPSquery:" commands that arrive in SMS and short burst text.
#include "gps/gps_query.h"
#include "gps/gps_tracker.h"
#include "ui/terminal.h"

namespace shortmsg {

void GpsTracker::GPSQueryFromSMS() {
    AnswerQuery(app_.ReceivedMessageText, Channel::Sms);
}

void GpsTracker::GPSQueryFromSBM(const std::string& text) {
    AnswerQuery(text, Channel::ShortBurst);
}

void GpsTracker::AnswerQuery(std::string_view text, Channel replyChannel) {
    const GpsQuery query = ParseGpsQuery(text);
    if (query.kind == GpsQuery::Kind::None || query.kind == GpsQuery::Kind::Refused) return;
    // Later reports go to the sender of the most recent well-formed command.
    state.GPS_ReportAddress = app_.Sms().FromAddress.Text();
    switch (query.kind) {
        case GpsQuery::Kind::Immediate:
            SendLastSentence(replyChannel);
            break;
        case GpsQuery::Kind::Timed:
            StartTimedReports(query);
            break;
        case GpsQuery::Kind::Distance:
            StartDistanceTracking(query.threshold, replyChannel);
            break;
        default:
            break;
    }
}

void GpsTracker::StartTimedReports(const GpsQuery& query) {
    state.GPS_DistanceThreshold = query.threshold;  // "0": distance tracking off
    state.GPS_ReportInterval = query.interval;
    state.GPS_ReportStart = query.start;
    state.GPS_ReportStop = query.stop;
    Timer& timer = app_.Options().GPS_LocationUpdateTimer;
    // At most 86400 s: 86,400,000 ms, well inside the timer's 32-bit interval.
    timer.SetInterval(query.intervalSeconds * 1000);
    if (!timer.Enabled()) timer.SetEnabled(true);
}

void GpsTracker::StartDistanceTracking(const std::string& threshold, Channel replyChannel) {
    state.GPS_DistanceThreshold = threshold;
    DecodeGPRMC(state.GPS_LastSentence, state);
    // A void fix: no reply; the threshold counts from the old reference point.
    if (!state.GPS_FixValid) return;
    state.GPS_RefLatitude = state.GPS_Latitude;
    state.GPS_RefLongitude = state.GPS_Longitude;
    SendLastSentence(replyChannel);
}

}  // namespace shortmsg
