#include "platform/port_map.h"

#include <charconv>
#include <cstdlib>
#include <system_error>

namespace shortmsg {
namespace {

// A port number: decimal digits only, 1 or more.
bool ParsePortNumber(std::string_view text, long& number) {
    if (text.empty()) return false;
    const char* end = text.data() + text.size();
    const auto [at, ec] = std::from_chars(text.data(), end, number);
    return ec == std::errc() && at == end && number >= 1;
}

}  // namespace

std::filesystem::path PortMapFolderFor(const char* xdgConfigHome, const char* home) {
    if (xdgConfigHome != nullptr && xdgConfigHome[0] == '/') {
        return std::filesystem::path(xdgConfigHome) / "shortmsg" / "ports";
    }
    if (home != nullptr && home[0] != '\0') {
        return std::filesystem::path(home) / ".config" / "shortmsg" / "ports";
    }
    return std::filesystem::path("shortmsg") / "ports";
}

std::filesystem::path DefaultPortMapFolder() {
    return PortMapFolderFor(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
}

std::string PortDevice(std::string_view commPort, const std::filesystem::path& folder) {
    if (!commPort.empty() && commPort.front() == '/') return std::string(commPort);
    long number = 0;
    if (!ParsePortNumber(commPort, number)) return {};
    const std::filesystem::path link = folder / ("COM" + std::to_string(number));
    std::error_code ec;
    // A dangling link still names the port: opening it fails as the device is absent.
    if (std::filesystem::is_symlink(link, ec) || std::filesystem::exists(link, ec)) {
        const std::filesystem::path target = std::filesystem::canonical(link, ec);
        return ec ? link.string() : target.string();
    }
    return "/dev/ttyS" + std::to_string(number - 1);
}

}  // namespace shortmsg
