#pragma once
// The terminal's GPS state: the fix and distance (gps/rmc.h), the last sentence read from
// the receiver, and what the remote "GPSquery:" commands set.
#include <string>

#include "gps/rmc.h"
#include "platform/date_time.h"

namespace shortmsg {

// How a message reached the terminal, and so how a reply goes back.
enum class Channel { Sms, ShortBurst };

// Where the reports of a tracking go: back the way the query that started it came.
struct Recipient {
    Channel channel = Channel::Sms;
    std::string number;  // an SMS's sender; empty for short burst data
};

struct GpsState : GpsFixState {
    std::string GPS_LastSentence;       // without "$" and line end, checksum included
    std::string GPS_DistanceThreshold;  // kilometres, as the command gave it
    std::string GPS_ReportInterval;     // seconds, as the command gave it
    DateTime GPS_ReportStart;
    DateTime GPS_ReportStop;
    std::string GPS_ReportAddress;  // the sender of the most recent query
    Recipient distanceRecipient;    // of the distance reports
    Recipient timedRecipient;       // of the timed reports
};

}  // namespace shortmsg
