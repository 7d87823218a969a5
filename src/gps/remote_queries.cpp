// The "GPSquery:" commands that arrive in SMS and short burst text, and the logging of
// position sentences received by SMS.
#include "gps/gps_query.h"
#include "gps/gps_texts.h"
#include "gps/gps_tracker.h"
#include "gps/query_access.h"
#include "gps/rmc_sentence.h"

namespace shortmsg {

void GpsTracker::OnMessage(const ReceivedMessage& message) {
    const Recipient from{message.channel,
                         message.channel == Channel::Sms ? message.sender : std::string()};
    if (settings_.enableGps) AnswerQuery(message.text, from);
    if (message.channel != Channel::Sms) return;
    if (settings_.storeRxGps && HoldsPositionSentence(message.text)) {
        StoreRxGPSPosition(std::string(RmcSentenceIn(message.text)), message.sender);
        for (const std::string& index : message.storeIndexes) {
            if (!index.empty()) sink_.DeleteStoredMessage(index);
        }
    }
}

void GpsTracker::AnswerQuery(std::string_view text, const Recipient& from) {
    const GpsQuery query = ParseGpsQuery(text);
    if (query.kind == GpsQuery::Kind::None || query.kind == GpsQuery::Kind::Refused) return;
    if (!QueryAllowed(settings_, from.channel, from.number)) {
        view_.ShowError(texts::QueryIgnored(from.channel == Channel::Sms, from.number));
        return;
    }
    state.GPS_ReportAddress = from.number;
    switch (query.kind) {
        case GpsQuery::Kind::Immediate:
            SendLastSentence(from);
            break;
        case GpsQuery::Kind::Timed:
            StartTimedReports(query, from);
            break;
        case GpsQuery::Kind::Distance:
            StartDistanceTracking(query.threshold, from);
            break;
        default:
            break;
    }
}

void GpsTracker::StartTimedReports(const GpsQuery& query, const Recipient& from) {
    state.timedRecipient = from;
    state.GPS_DistanceThreshold = query.threshold;  // "0": distance tracking off
    state.GPS_ReportInterval = query.interval;
    state.GPS_ReportStart = query.start;
    state.GPS_ReportStop = query.stop;
    // At most 86400 s: 86,400,000 ms, well inside the timer's 32-bit interval.
    GPS_LocationUpdateTimer.SetInterval(query.intervalSeconds * 1000);
    if (!GPS_LocationUpdateTimer.Enabled()) GPS_LocationUpdateTimer.SetEnabled(true);
}

void GpsTracker::StartDistanceTracking(const std::string& threshold, const Recipient& from) {
    state.GPS_DistanceThreshold = threshold;
    state.distanceRecipient = from;
    DecodeGPRMC(state.GPS_LastSentence, state);
    // A void fix: no reply; the threshold counts from the old reference point.
    if (!state.GPS_FixValid) return;
    state.GPS_RefLatitude = state.GPS_Latitude;
    state.GPS_RefLongitude = state.GPS_Longitude;
    SendLastSentence(from);
}

}  // namespace shortmsg
