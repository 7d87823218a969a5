// The replies whose fields the terminal acts on: short burst exchange results, the SIM
// phone book's storage, range and entries, and the new-message index.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>

#include "link/reply_parsers.h"

namespace shortmsg {
namespace {

struct SbdiCase {
    std::string line;
    std::optional<int> mo, mt;
};

TEST(SbdiReply, StatusesAreTheFirstAndThirdFields) {
    // Golden scenario messages/sbd_exchange has every status combination the terminal
    // acts on.
    const SbdiCase cases[] = {
        {"\n+SBDI: 1,12,1,3,40,2\r", 1, 1},
        {"+SBDI: 1", 1, {}},                  // cut short: the MT status is missing
        {"+SBDI: x, 5, y, 0, 0, 0", {}, {}},  // not numbers: "other"
        {"+SBDI:", {}, {}},
    };
    for (const auto& c : cases) {
        const long at = static_cast<long>(c.line.find("+SBDI:")) + 1;
        const SbdiFields f = ParseSbdi(c.line, at + 6);
        EXPECT_EQ(f.moStatus, c.mo) << c.line;
        EXPECT_EQ(f.mtStatus, c.mt) << c.line;
    }
}

struct StorageCase {
    std::string line;
    int used, total;
};

TEST(PhoneBookStorage, UsedAndCapacityAfterSM) {
    const StorageCase cases[] = {
        {"+CPBS: \"SM\",1,250\r", 1, 250},
        {"+CPBS: \"SM\",3", 3, 0},  // capacity missing
        {"+CPBS: \"SM\"", 0, 0},    // both missing
        {"+CPBS: \"SM\",many,lots", 0, 0},
        {"+CPBS: \"SM\",70000,250", 0, 250},  // beyond the Integer field
    };
    for (const auto& c : cases) {
        const PhoneBookStorage s = ParseCpbsStorage(c.line);
        EXPECT_EQ(s.used, c.used) << c.line;
        EXPECT_EQ(s.total, c.total) << c.line;
    }
}

// The range reply with or without blanks after the keyword, and never an entry for one.
// Golden scenarios: phonebook/load_three without a blank, and
// dialects/phone_book_range_with_blank with one (3GPP TS 27.007: USB sticks, modules).
struct RangeCase {
    std::string line;
    std::optional<std::pair<std::string, std::string>> range;  // first and last index
};

TEST(PhoneBookRange, FirstAndLastIndexAsText) {
    const RangeCase cases[] = {
        {"\n+CPBR:  (0-9),40,14\r", {{"0", "9"}}},  // a stray LF and two blanks
        {"+CPBR:(12-3)", {{"12", "3"}}},
        {"+CPBR:(1-250", {{"1", "250"}}},  // no ")": the last index runs to the end
        {"+CPBR:(5)", {{"5)", ""}}},       // no "-"
        {"+CPBR:(", {{"", ""}}},
        {"+CPBR: 2,\"1234\",129,\"Bob\"", std::nullopt},  // an entry
        {"+CPBR: 18,\"(0)12\",129,\"X\"", std::nullopt},  // an entry whose number holds "("
        {"+CPBR:", std::nullopt},
    };
    for (const auto& c : cases) {
        const long open = CpbrRangeOpen(c.line);
        ASSERT_EQ(open != 0, c.range.has_value()) << c.line;
        if (open == 0) continue;
        const PhoneBookRange r = ParseCpbrRange(c.line, open);
        EXPECT_EQ(r.firstIndex, c.range->first) << c.line;
        EXPECT_EQ(r.lastIndex, c.range->second) << c.line;
    }
}

struct ReadCase {
    std::string first;
    int used;
    std::optional<std::string> command;
};

TEST(PhoneBookRange, OneReadForTheEntriesInUse) {
    // Golden scenarios phonebook/load_three, load_one and load_none read 3, 1 and 0 entries.
    const ReadCase cases[] = {
        {"5", 10, "AT+CPBR=5,14"}, {"0", 4, "AT+CPBR=0,3"},
        {"", 3, std::nullopt},    // range reply cut short
        {"5)", 3, std::nullopt},  // not a whole number
        {"1", -2, "AT+CPBR=1"},   // fewer than 2
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PhoneBookReadCommand(c.first, c.used), c.command) << c.first << " " << c.used;
    }
}

struct EntryCase {
    std::string line;
    std::optional<int> index;
    std::string number, name;
};

TEST(PhoneBookEntry, IndexNumberBetweenQuotesAndQuotedName) {
    // Golden scenario phonebook/load_three reads entries (a comma in a name, index 200 and a
    // text index ignored).
    const EntryCase cases[] = {
        {"\n+CPBR: 1,\"+447700900123\",145,\"Alice\"\r", 1, "+447700900123", "\"Alice\"\r"},
        {"+CPBR: 0,\"1\",129,\"Zero\"", 0, "1", "\"Zero\""},
        {"+CPBR: 160,\"9\",129,\"Last\"", 160, "9", "\"Last\""},
        {"+CPBR: 4,\"\",129,\"\"", 4, "", "\"\""},
        {"+CPBR: 5", 5, "", ""},        // cut short: missing fields empty
        {"+CPBR: 6,\"77", 6, "7", ""},  // no closing quote: one character less
        {"+CPBR: 161,\"9\",129,\"Over\"", std::nullopt, "", ""},
        {"+CPBR: -1,\"9\",129,\"Under\"", std::nullopt, "", ""},
        {"+CPBR: (1-250),40,14", std::nullopt, "", ""},  // a range reply with a blank
    };
    for (const auto& c : cases) {
        const long at = static_cast<long>(c.line.find("+CPBR:")) + 1;
        const auto entry = ParseCpbrEntry(c.line, at);
        ASSERT_EQ(entry.has_value(), c.index.has_value()) << c.line;
        if (!entry) continue;
        EXPECT_EQ(entry->index, *c.index) << c.line;
        EXPECT_EQ(entry->number, c.number) << c.line;
        EXPECT_EQ(entry->name, c.name) << c.line;
    }
}

struct CmtiCase {
    std::string line;
    std::optional<std::string> index;
};

TEST(NewMessageIndex, TextAfterTheCommaStrayCrIncluded) {
    // Golden scenario messages/receive_new_message writes the index with its stray CR.
    const CmtiCase cases[] = {
        {"\n+CMTI: \"SM\",12", "12"},      {"+CMTI: \"SM\", 3", " 3"},
        {"+CMTI: \"SM\"", std::nullopt},   // no comma
        {"+CMTI: \"SM\",", std::nullopt},  // no index
        {"+CMTI: \"SM\",x", std::nullopt}, {"+CMTI: \"SM\",1,2", std::nullopt},
    };
    for (const auto& c : cases) {
        const long at = static_cast<long>(c.line.find("+CMTI:")) + 1;
        EXPECT_EQ(ParseCmtiIndex(c.line, at), c.index) << c.line;
    }
}

}  // namespace
}  // namespace shortmsg
