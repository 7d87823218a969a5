#pragma once
// Local civil date and time, counted in whole seconds (no time zone: the terminal compares
// local times only).
#include <cstdint>
#include <string>

namespace shortmsg {

struct DateTime {
    std::int64_t seconds = 0;  // seconds since 1970-01-01 00:00:00 local time

    friend auto operator<=>(const DateTime&, const DateTime&) = default;
};

struct CivilTime {
    int year = 1970, month = 1, day = 1, hour = 0, minute = 0, second = 0;
};

// Valid civil fields only (month 1-12, day within the month, hour 0-23, ...); no check here.
DateTime FromCivil(const CivilTime& t);
CivilTime ToCivil(DateTime t);
bool IsValidCivil(const CivilTime& t);
// "YYYY-MM-DD hh:mm:ss"
std::string ToIsoText(DateTime t);
// "yy/mm/dd/ hh:mm:ss", the form of the time stamps the terminal shows.
std::string FormatLocalTimeStamp(DateTime t);

}  // namespace shortmsg
