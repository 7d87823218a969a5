#pragma once
// The AT commands the simulated modem knows and the handler of each.
#include <optional>
#include <string>
#include <string_view>

namespace shortmsg::modemsim {

class Modem;

using Handler = std::string (Modem::*)(std::string_view argument);

struct CommandMatch {
    Handler handler;
    std::string_view argument;  // the text after a prefix command ("AT+CMGR=" -> "7")
};

// The first row of the table that `line` matches; nullopt for an unknown command.
std::optional<CommandMatch> FindCommand(std::string_view line);

}  // namespace shortmsg::modemsim
