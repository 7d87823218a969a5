#pragma once
// The terminal's GPS state: the fix and distance (gps/rmc.h), the last sentence read from
// the receiver, and what the remote "GPSquery:" commands set.
#include <string>

#include "gps/rmc.h"
#include "platform/date_time.h"

namespace shortmsg {

struct GpsState : GpsFixState {
    std::string GPS_LastSentence;       // without "$" and line end, checksum included
    std::string GPS_DistanceThreshold;  // kilometres, as the command gave it
    std::string GPS_ReportInterval;     // seconds, as the command gave it
    DateTime GPS_ReportStart;
    DateTime GPS_ReportStop;
    std::string GPS_ReportAddress;  // destination of SMS replies and reports
};

}  // namespace shortmsg
