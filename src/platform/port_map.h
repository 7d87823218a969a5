#pragma once
// The serial-port map: which device a port number names, the way Wine does it. A symlink
// "COMn" in the port map folder points at the device of port n; without one, port n is
// /dev/ttyS(n-1). A device path in the port box is used as it stands.
#include <filesystem>
#include <string>
#include <string_view>

namespace shortmsg {

// The port map folder: $XDG_CONFIG_HOME/shortmsg/ports, else $HOME/.config/shortmsg/ports
// ("shortmsg/ports" under the current folder when neither is set). A relative
// XDG_CONFIG_HOME counts as unset.
std::filesystem::path PortMapFolderFor(const char* xdgConfigHome, const char* home);
std::filesystem::path DefaultPortMapFolder();

// The name a port is known by: a port number's decimal text without leading zeros
// ("03" -> "3"), or a device path as it stands; "" for text that names no port (empty, 0,
// a sign, blanks, other text, a relative path).
std::string PortName(std::string_view commPort);

// The device to open for a port: "3" -> the target of <folder>/COM3 when that link (or
// file) exists, else "/dev/ttyS2"; "/dev/ttyUSB0" -> itself. "" when the text names no
// port (empty, 0, not a number, a relative path).
std::string PortDevice(std::string_view commPort, const std::filesystem::path& folder);

}  // namespace shortmsg
