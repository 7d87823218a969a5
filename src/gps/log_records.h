#pragma once
// The position logs: what one received position sentence adds to the four log files under
// the data root. Records are comma-separated, text fields in double quotes (a quote inside
// doubled), numbers in general form with "." and up to 15 significant digits, and every
// line ends in CR LF.
#include <array>
#include <string>
#include <string_view>

#include "gps/rmc.h"

namespace shortmsg {

struct LogWrite {
    std::string path;   // relative to the data root, "/" between folder and file
    std::string bytes;  // the record or line, CR LF included
    bool replace;       // true: the file's content is replaced (else appended)
};

// The four writes, in order, for sender `number` and the received `sentence` (without
// "$"), with `fix` its decoded position:
//   GPS_info/GPS_info<number>.txt  append  "<number>_<fix time>",<latitude>,<longitude>
//   GPS_info/GPS_Flag<number>.txt  append  "$<sentence>"
//   GPSS/GPSS.LLD                  replace $<sentence>
//   GPSS/GPSS.LLF                  append  "$<sentence>"
// A void fix has no position: its latitude and longitude fields stay empty
// ("<number>_<fix time>",,) rather than showing where some earlier sentence was.
std::array<LogWrite, 4> PositionLogWrites(std::string_view sentence, std::string_view number,
                                          const GpsFixState& fix);

// `text` as a quoted text field: "ab""c" for ab"c.
std::string QuotedField(std::string_view text);

// The sender number as it goes into a file name: characters other than letters, digits,
// "+", "*" and "#" become "_", so that a number can never name another folder.
std::string FileNameNumber(std::string_view number);

}  // namespace shortmsg
