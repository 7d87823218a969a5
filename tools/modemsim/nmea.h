#pragma once
// The simulated GPS receiver's sentences: GGA, GSA and RMC once a second, for a unit that
// moves slowly along a straight course.
#include <string>
#include <string_view>

#include "platform/date_time.h"

namespace shortmsg::modemsim {

struct Fix {
    double latitude = 0;   // signed decimal degrees, north positive
    double longitude = 0;  // signed decimal degrees, east positive
    double speedKnots = 0;
    double courseDegrees = 0;
};

// The unit's position `seconds` after the receiver started: from the Greenwich
// observatory north-east at walking pace (about 1.5 m/s).
Fix TrackAt(double seconds);

// "$" + body + "*" + the XOR checksum in two upper-case hex digits + CR LF.
std::string Sentence(std::string_view body);

// $GPRMC,hhmmss.00,A,ddmm.mmmm,N,dddmm.mmmm,E,speed,course,ddmmyy,,,A*hh
std::string RmcSentence(const Fix& fix, const CivilTime& utc);
std::string GgaSentence(const Fix& fix, const CivilTime& utc);
std::string GsaSentence();
// GGA, GSA and RMC, each with its CR LF.
std::string SentenceSet(const Fix& fix, const CivilTime& utc);

}  // namespace shortmsg::modemsim
