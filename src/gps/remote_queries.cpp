// The "GPSquery:" commands that arrive in SMS and short burst text, and the logging of
// position sentences received by SMS.
#include "gps/gps_query.h"
#include "gps/gps_tracker.h"
#include "gps/rmc_sentence.h"

namespace shortmsg {

void GpsTracker::OnMessage(const ReceivedMessage& message) {
    if (settings_.enableGps) AnswerQuery(message.text, message.sender, message.channel);
    if (message.channel != Channel::Sms) return;
    if (settings_.storeRxGps && HoldsPositionSentence(message.text)) {
        StoreRxGPSPosition(message.text, message.sender);
        sink_.DeleteStoredMessage(message.storeIndex);
    }
}

void GpsTracker::AnswerQuery(std::string_view text, const std::string& sender,
                             Channel replyChannel) {
    const GpsQuery query = ParseGpsQuery(text);
    if (query.kind == GpsQuery::Kind::None || query.kind == GpsQuery::Kind::Refused) return;
    // Later reports go to the sender of the most recent well-formed command.
    state.GPS_ReportAddress = sender;
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
    // At most 86400 s: 86,400,000 ms, well inside the timer's 32-bit interval.
    GPS_LocationUpdateTimer.SetInterval(query.intervalSeconds * 1000);
    if (!GPS_LocationUpdateTimer.Enabled()) GPS_LocationUpdateTimer.SetEnabled(true);
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
