#include "platform/port_map.h"

#include <charconv>
#include <cstdlib>
#include <system_error>

#include "platform/xdg_folders.h"

namespace shortmsg {
namespace {

bool AllDigits(std::string_view text) {
    for (const char c : text) {
        if (c < '0' || c > '9') return false;
    }
    return !text.empty();
}

}  // namespace

std::string PortName(std::string_view commPort) {
    if (!commPort.empty() && commPort.front() == '/') return std::string(commPort);
    if (!AllDigits(commPort)) return {};
    const size_t first = commPort.find_first_not_of('0');
    if (first == std::string_view::npos) return {};  // port 0
    return std::string(commPort.substr(first));
}

std::filesystem::path PortMapFolderFor(const char* xdgConfigHome, const char* home) {
    return XdgShortmsgFolder(xdgConfigHome, home, ".config") / "ports";
}

std::filesystem::path DefaultPortMapFolder() {
    return PortMapFolderFor(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
}

std::string PortDevice(std::string_view commPort, const std::filesystem::path& folder) {
    const std::string name = PortName(commPort);
    if (name.empty() || name.front() == '/') return name;
    long number = 0;
    const auto parsed = std::from_chars(name.data(), name.data() + name.size(), number);
    if (parsed.ec != std::errc()) return {};  // more digits than a port number holds
    const std::filesystem::path link = folder / ("COM" + name);
    std::error_code ec;
    // A dangling link still names the port: opening it fails as the device is absent.
    if (std::filesystem::is_symlink(link, ec) || std::filesystem::exists(link, ec)) {
        const std::filesystem::path target = std::filesystem::canonical(link, ec);
        return ec ? link.string() : target.string();
    }
    return "/dev/ttyS" + std::to_string(number - 1);
}

}  // namespace shortmsg
