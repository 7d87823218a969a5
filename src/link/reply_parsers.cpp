#include "link/reply_parsers.h"

#include "link/at_commands.h"
#include "link/phone_book.h"
#include "link/reply_fields.h"
#include "link/text.h"

namespace shortmsg {
namespace {

constexpr std::string_view kCpbr = "+CPBR:";

}  // namespace

SbdiFields ParseSbdi(std::string_view line, long start) {
    const auto fields = CutFields(line, start, 6);
    return {IntegerValue(fields[0]), IntegerValue(fields[2]), IntegerValue(fields[4])};
}

PhoneBookStorage ParseCpbsStorage(std::string_view line) {
    const long sm = InStr(1, line, "SM");
    if (sm == 0) return {};
    // The first field is the rest of "SM" up to its comma (the closing quote).
    const auto fields = CutFields(line, sm + 2, 3);
    return {IntegerValueOr0(fields[1]), IntegerValueOr0(fields[2])};
}

long CpbrRangeOpen(std::string_view line) {
    for (long at = InStr(1, line, kCpbr); at > 0; at = InStr(at + 1, line, kCpbr)) {
        long p = at + static_cast<long>(kCpbr.size());
        while (p <= static_cast<long>(line.size()) && line[static_cast<size_t>(p - 1)] == ' ') ++p;
        if (p <= static_cast<long>(line.size()) && line[static_cast<size_t>(p - 1)] == '(')
            return p;
    }
    return 0;
}

PhoneBookRange ParseCpbrRange(std::string_view line, long openPos) {
    const long start = openPos + 1;
    const long dash = InStr(start + 1, line, "-");
    if (dash == 0) return {Mid(line, start), {}};
    const long close = InStr(dash + 2, line, ")");
    if (close == 0) return {Mid(line, start, dash - start), Mid(line, dash + 1)};
    return {Mid(line, start, dash - start), Mid(line, dash + 1, close - dash - 1)};
}

std::string PhoneBookReadCommand(int first, int last) {
    std::string command(at::kPhoneBookRead);
    command.append(std::to_string(first));
    if (last > first) command.append(",").append(std::to_string(last));
    return command;
}

std::optional<PhoneBookEntry> ParseCpbrEntry(std::string_view line, long keywordPos) {
    const auto fields = CutFields(line, keywordPos + static_cast<long>(kCpbr.size()), 4);
    const auto index = IntegerValue(fields[0]);
    if (!index || *index < 0 || *index >= kPhoneBookSlots) return std::nullopt;
    // The number is the field without its first and last character (its quotes).
    const std::string& quoted = fields[1];
    return PhoneBookEntry{*index, Mid(quoted, 2, static_cast<long>(quoted.size()) - 2), fields[3]};
}

std::optional<std::string> ParseCmtiIndex(std::string_view line, long keywordPos) {
    const long comma = InStr(keywordPos, line, ",");
    if (comma == 0) return std::nullopt;
    const std::string index = Mid(line, comma + 1);
    const auto value = IntegerValue(index);
    if (!value || *value < 0) return std::nullopt;
    return std::to_string(*value);
}

}  // namespace shortmsg
