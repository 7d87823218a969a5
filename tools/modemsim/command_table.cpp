#include "command_table.h"

#include <array>

#include "link/at_commands.h"
#include "modem.h"

namespace shortmsg::modemsim {
namespace {

enum class Match { Exact, Prefix };

struct CommandRow {
    std::string_view command;
    Match match;
    Handler handler;
};

// The terminal's command without its last character: the simulator takes any setting there.
constexpr std::string_view AnySetting(std::string_view command) {
    return command.substr(0, command.size() - 1);
}

// First match wins: "AT+CPBR=?" comes before the entry reads "AT+CPBR=". The commands are
// the terminal's own (link/at_commands.h); "AT+CNMI=", "AT+SBDMTA=" and "AT+SBDD" take any
// setting.
constexpr std::array<CommandRow, 19> kCommands = {{
    {at::kAttention, Match::Exact, &Modem::Ok},
    {at::kReset, Match::Exact, &Modem::Ok},
    {at::kVerboseErrors, Match::Exact, &Modem::Ok},
    {at::kServiceQuery, Match::Exact, &Modem::ServiceQuery},
    {at::kStorageQuery, Match::Exact, &Modem::StorageQuery},
    {"AT+CNMI=", Match::Prefix, &Modem::Ok},
    {at::kSelectSimPhoneBook, Match::Exact, &Modem::Ok},
    {at::kPhoneBookQuery, Match::Exact, &Modem::PhoneBookStorage},
    {at::kPhoneBookRange, Match::Exact, &Modem::PhoneBookRange},
    {at::kPhoneBookRead, Match::Prefix, &Modem::PhoneBookRead},
    {at::kReadMessage, Match::Prefix, &Modem::ReadMessage},
    {at::kDeleteMessage, Match::Prefix, &Modem::DeleteMessage},
    {at::kListAllMessages, Match::Exact, &Modem::ListMessages},
    {at::kSendMessage, Match::Prefix, &Modem::SendMessage},
    {at::kSbdWriteText, Match::Prefix, &Modem::Ok},
    {at::kSbdExchange, Match::Exact, &Modem::SbdExchange},
    {at::kSbdReadText, Match::Exact, &Modem::SbdRead},
    {AnySetting(at::kSbdRingAlerts), Match::Prefix, &Modem::SbdRingAlerts},
    {AnySetting(at::kSbdClearOutgoing), Match::Prefix, &Modem::SbdClear},
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
