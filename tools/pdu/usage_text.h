#pragma once
// What `shortmsg-pdu --help` prints, and the short form shown after a usage error.
#include <string_view>

namespace shortmsg {

extern const std::string_view kToolUsage;
extern const std::string_view kToolHelp;

}  // namespace shortmsg
