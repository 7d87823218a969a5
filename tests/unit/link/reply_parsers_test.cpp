// The replies whose fields the terminal acts on: short burst exchange results, the SIM
// phone book's storage, range and entries, and the new-message index.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "link/reply_parsers.h"

namespace shortmsg {
namespace {

struct SbdiCase {
    std::string line;
    std::optional<int> mo, mt;
};

TEST(SbdiReply, StatusesAreTheFirstAndThirdFields) {
    const SbdiCase cases[] = {
        {"+SBDI: 1, 5, 0, 0, 0, 0", 1, 0},
        {"+SBDI: 2, 5, 1, 7, 12, 0", 2, 1},
        {"+SBDI: 0, 5, 2, 0, 0, 0\r", 0, 2},
        {"\n+SBDI: 1,12,1,3,40,2", 1, 1},
        {"+SBDI: 1", 1, {}},                  // cut short: the MT status is missing
        {"+SBDI: x, 5, y, 0, 0, 0", {}, {}},  // not numbers: "other"
        {"+SBDI:", {}, {}},
        {"+SBDI: 3, 5, 4, 0, 0, 0", 3, 4},
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
        {"+CPBS: \"SM\",3,250", 3, 250},
        {"+CPBS: \"SM\",1,250\r", 1, 250},
        {"+CPBS: \"SM\",0,100", 0, 100},
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

struct RangeCase {
    std::string line;
    std::string first, last;
};

TEST(PhoneBookRange, FirstAndLastIndexAsText) {
    const RangeCase cases[] = {
        {"+CPBR:(1-250)", "1", "250"}, {"+CPBR:(1-250),40,14\r", "1", "250"},
        {"\n+CPBR:(0-9)", "0", "9"},   {"+CPBR:(12-3)", "12", "3"},
        {"+CPBR:(1-250", "1", "250"},  // no ")": the last index runs to the end
        {"+CPBR:(5)", "5)", ""},       // no "-"
        {"+CPBR:(", "", ""},
    };
    for (const auto& c : cases) {
        const PhoneBookRange r = ParseCpbrRange(c.line, CpbrRangeOpen(c.line));
        EXPECT_EQ(r.firstIndex, c.first) << c.line;
        EXPECT_EQ(r.lastIndex, c.last) << c.line;
    }
}

TEST(PhoneBookRange, RecognisedWithOrWithoutBlanksAfterTheKeyword) {
    const std::pair<std::string, long> cases[] = {
        {"+CPBR:(1-250),40,18", 7},            // the terminal's own modem
        {"+CPBR: (1-250),40,18", 8},           // 3GPP TS 27.007 (USB sticks, modules)
        {"\n+CPBR:  (0-9)", 10},               // a stray LF and two blanks
        {"+CPBR: 2,\"1234\",129,\"Bob\"", 0},  // an entry
        {"+CPBR: 18,\"(0)12\",129,\"X\"", 0},  // an entry whose number holds "("
        {"+CPBR:", 0},
    };
    for (const auto& [line, open] : cases) EXPECT_EQ(CpbrRangeOpen(line), open) << line;
    const PhoneBookRange r = ParseCpbrRange("+CPBR: (1-250),40,18", 8);
    EXPECT_EQ(r.firstIndex, "1");
    EXPECT_EQ(r.lastIndex, "250");
}

struct ReadCase {
    std::string first;
    int used;
    std::optional<std::string> command;
};

TEST(PhoneBookRange, OneReadForTheEntriesInUse) {
    const ReadCase cases[] = {
        {"1", 3, "AT+CPBR=1,3"}, {"1", 2, "AT+CPBR=1,2"},   {"1", 1, "AT+CPBR=1"},
        {"1", 0, std::nullopt},  {"5", 10, "AT+CPBR=5,14"}, {"0", 4, "AT+CPBR=0,3"},
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
    const EntryCase cases[] = {
        {"+CPBR: 2,\"1234\",129,\"Bob\"", 2, "1234", "\"Bob\""},
        {"+CPBR: 1,\"+447700900123\",145,\"Alice\"\r", 1, "+447700900123", "\"Alice\"\r"},
        {"\n+CPBR: 3,\"555\",129,\"Smith, John\"", 3, "555", "\"Smith, John\""},
        {"+CPBR: 0,\"1\",129,\"Zero\"", 0, "1", "\"Zero\""},
        {"+CPBR: 160,\"9\",129,\"Last\"", 160, "9", "\"Last\""},
        {"+CPBR: 4,\"\",129,\"\"", 4, "", "\"\""},
        {"+CPBR: 5", 5, "", ""},        // cut short: missing fields empty
        {"+CPBR: 6,\"77", 6, "7", ""},  // no closing quote: one character less
        {"+CPBR: 161,\"9\",129,\"Over\"", std::nullopt, "", ""},
        {"+CPBR: -1,\"9\",129,\"Under\"", std::nullopt, "", ""},
        {"+CPBR: x,\"9\",129,\"Bad\"", std::nullopt, "", ""},
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
    const CmtiCase cases[] = {
        {"+CMTI: \"SM\",7", "7"},          {"+CMTI: \"SM\",7\r", "7\r"},
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
