#pragma once
// The remote "GPSquery:" commands, as carried in SMS or short burst text.
#include <string>
#include <string_view>

#include "platform/date_time.h"

namespace shortmsg {

// The longest interval of timed reports: one a day.
inline constexpr int kMaxReportIntervalSeconds = 86400;

struct GpsQuery {
    enum class Kind {
        None,       // no "GPSquery:" in the text
        Refused,    // a malformed command: it changes nothing
        Immediate,  // "GPSquery:1..."       reply with the position now
        Distance,   // "GPSquery:m,t,"       report whenever the unit moved more than t km
        Timed,      // "GPSquery:m,0,s,x,start,stop,"   report every s seconds in the window
    };
    Kind kind = Kind::None;
    std::string threshold;    // Distance: field 2 as sent ("0.03"); Timed: "0"
    std::string interval;     // Timed: field 3 as sent
    int intervalSeconds = 0;  // Timed: 1 to kMaxReportIntervalSeconds
    DateTime start;           // Timed: the window, inclusive at both ends
    DateTime stop;
};

// The first "GPSquery:" (case-sensitive) anywhere in `text` counts; the character after
// the colon is the mode. Mode "1" is an immediate reply whatever follows ("GPSquery:10").
// Any other mode: from the first comma at or after the mode character, every field read
// must end with its comma. Field 2 is the threshold; when it is exactly "0" the command is
// timed and fields 3 (whole seconds, 1-86400), 4 (not used), 5 and 6 (start and stop, see
// ParseQueryDateTime) follow.
//
//   "GPSquery:1"                                                      Immediate
//   "GPSquery:0,0.03,"                                                Distance, "0.03"
//   "GPSquery:0,0,60,0,01/13/03 03:26:00 pm,01/13/03 03:29:00 pm,"    Timed, 60 s
//   "GPSquery:", "GPSquery:0", "GPSquery:0,0.03", "GPSquery:0,0,61,"  Refused
GpsQuery ParseGpsQuery(std::string_view text);

}  // namespace shortmsg
