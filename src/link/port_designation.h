#pragma once
// What the port box names: a port number ("1", " 3 ", "03") or a device path ("/dev/ttyUSB0").
#include <string>
#include <string_view>

namespace shortmsg {

// The port to open for the port box's text, as the port map names it (platform/port_map.h):
// the box is read as a whole number (blanks, CR and LF around it ignored) or taken as a
// device path; "" when it names no port.
std::string PortDesignation(std::string_view portBoxText);

}  // namespace shortmsg
