#pragma once
// The texts the GPS side shows the operator in the error box.
#include <string>
#include <string_view>

namespace shortmsg::texts {

inline constexpr std::string_view kLogNotWrittenPrefix = "Position log not written: ";

// A position-log file that could not be written: the reason the file service gave (it
// names the file), or the file's path when it gave none.
inline std::string LogNotWritten(std::string_view path, std::string_view reason) {
    return std::string(kLogNotWrittenPrefix).append(reason.empty() ? path : reason);
}

// A "GPSquery:" from a number (or by short burst data) that may not ask.
inline std::string QueryIgnored(bool bySms, std::string_view number) {
    return std::string("Position query from ")
        .append(bySms ? number : std::string_view("short burst data"))
        .append(" ignored");
}

}  // namespace shortmsg::texts
