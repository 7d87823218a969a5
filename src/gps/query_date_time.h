#pragma once
// The window start and stop of a timed "GPSquery:" command.
#include <optional>
#include <string_view>

#include "platform/date_time.h"

namespace shortmsg {

// A local date and time as the terminal's quick message writes it,
//   "01/13/03 03:26:00 pm"   month/day/year hour:minute:second am|pm
// or in ISO form,
//   "2003-01-13 15:26:00"    (a "T" between date and time is taken too).
//
// Month/day/year form: one or two digits per field (a year of four digits is taken as it
// stands; a year 00-29 is 20yy, 30-99 is 19yy); "am" or "pm" in any case, with or without a
// blank before it, and then the hour is 1-12 with 12 am = 0:00 and 12 pm = 12:00; without
// am/pm the hour is 0-23. Blanks around the whole text are ignored. Nothing for any other
// text or for a date or time that does not exist (02/30/03, 13 pm, 10:60:00).
std::optional<DateTime> ParseQueryDateTime(std::string_view text);

}  // namespace shortmsg
