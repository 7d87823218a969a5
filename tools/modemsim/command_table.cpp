#include "command_table.h"

#include <array>

#include "modem.h"

namespace shortmsg::modemsim {
namespace {

enum class Match { Exact, Prefix };

struct CommandRow {
    std::string_view command;
    Match match;
    Handler handler;
};

// First match wins: "AT+CPBR=?" comes before the entry reads "AT+CPBR=".
constexpr std::array<CommandRow, 17> kCommands = {{
    {"AT", Match::Exact, &Modem::Ok},
    {"ATZ", Match::Exact, &Modem::Ok},
    {"AT+CMEE=2", Match::Exact, &Modem::Ok},
    {"AT+CSMS?", Match::Exact, &Modem::ServiceQuery},
    {"AT+CPMS?", Match::Exact, &Modem::StorageQuery},
    {"AT+CNMI=", Match::Prefix, &Modem::Ok},
    {"AT+CPBS=\"SM\"", Match::Exact, &Modem::Ok},
    {"AT+CPBS?", Match::Exact, &Modem::PhoneBookStorage},
    {"AT+CPBR=?", Match::Exact, &Modem::PhoneBookRange},
    {"AT+CPBR=", Match::Prefix, &Modem::PhoneBookRead},
    {"AT+CMGR=", Match::Prefix, &Modem::ReadMessage},
    {"AT+CMGD=", Match::Prefix, &Modem::DeleteMessage},
    {"AT+CMGL=4", Match::Exact, &Modem::ListMessages},
    {"AT+CMGS=", Match::Prefix, &Modem::SendMessage},
    {"AT+SBDWT=", Match::Prefix, &Modem::Ok},
    {"AT+SBDI", Match::Exact, &Modem::SbdExchange},
    {"AT+SBDRT", Match::Exact, &Modem::SbdRead},
}};

}  // namespace

std::optional<CommandMatch> FindCommand(std::string_view line) {
    for (const CommandRow& row : kCommands) {
        if (row.match == Match::Exact && line == row.command) return CommandMatch{row.handler, {}};
        if (row.match == Match::Prefix && line.starts_with(row.command)) {
            return CommandMatch{row.handler, line.substr(row.command.size())};
        }
    }
    return std::nullopt;
}

}  // namespace shortmsg::modemsim
