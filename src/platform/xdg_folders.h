#pragma once
// The terminal's folders under the XDG base directories (the port map under the config
// home, the position logs under the data home).
#include <filesystem>
#include <string_view>

namespace shortmsg {

// `xdgHome`/shortmsg when that variable holds an absolute path (a relative one counts as
// unset), else `home`/`homeFallback`/shortmsg, else "shortmsg" under the current folder.
std::filesystem::path XdgShortmsgFolder(const char* xdgHome, const char* home,
                                        std::string_view homeFallback);

}  // namespace shortmsg
