#include "platform/xdg_folders.h"

namespace shortmsg {

std::filesystem::path XdgShortmsgFolder(const char* xdgHome, const char* home,
                                        std::string_view homeFallback) {
    if (xdgHome != nullptr && xdgHome[0] == '/') return std::filesystem::path(xdgHome) / "shortmsg";
    if (home != nullptr && home[0] != '\0') {
        return std::filesystem::path(home) / homeFallback / "shortmsg";
    }
    return std::filesystem::path("shortmsg");
}

}  // namespace shortmsg
