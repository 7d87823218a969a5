#pragma once
// What the port box names: a port number ("1", " 3 ") or a device path ("/dev/ttyUSB0").
#include <optional>
#include <string>
#include <string_view>

namespace shortmsg {

// The port to open for the port box's text: the number's decimal text, or the device path
// as it stands; nullopt when the text is neither.
std::optional<std::string> PortDesignation(std::string_view portBoxText);

}  // namespace shortmsg
