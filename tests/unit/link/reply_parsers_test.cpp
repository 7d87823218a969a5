// The replies whose fields the terminal acts on: short burst exchange results, the SIM
// phone book's storage, range and entries, and the new-message index.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "link/phone_book.h"
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

// A reading asks for the entries in use from the first index, and for the rest of the range
// in chunks while entries are missing (a SIM that keeps them with gaps); the list shows each
// index once and never more entries than the SIM has slots.
TEST(PhoneBookReading, ReadsTheWholeRangeUntilEveryEntryIsFound) {
    struct Case {
        int used, total;
        std::string first, last;
        std::vector<int> entries;  // the indexes each read brings, the first read's first
        std::string reads;         // the read commands, joined with "|"
        int listed;
    };
    const Case cases[] = {
        {3, 250, "1", "250", {1, 2, 3}, "AT+CPBR=1,3", 3},
        {1, 250, "1", "250", {1}, "AT+CPBR=1", 1},
        {0, 250, "1", "250", {}, "", 0},
        {3,
         250,
         "1",
         "250",
         {1, 30, 160},
         "AT+CPBR=1,3|AT+CPBR=4,23|AT+CPBR=24,43|AT+CPBR=44,63|AT+CPBR=64,83|AT+CPBR=84,103|"
         "AT+CPBR=104,123|AT+CPBR=124,143|AT+CPBR=144,160",
         3},
        {2, 2, "1", "10", {1, 1, 5, 6}, "AT+CPBR=1,2|AT+CPBR=3,10", 2},  // a repeat; the cap
        {2, 250, "x", "250", {}, "", 0},
    };
    for (const auto& c : cases) {
        PhoneBookReader reader;
        reader.Storage(c.used, c.total);
        std::string reads;
        int listed = 0;
        auto read = reader.Begin(c.first, c.last);
        size_t next = 0;
        while (read) {
            reads += (reads.empty() ? "" : "|") + *read;
            // Each read brings the listed indexes that lie in it (the first read: one).
            const std::string range = read->substr(8);
            const int from = std::stoi(range);
            const size_t comma = range.find(',');
            const int to = comma == std::string::npos ? from : std::stoi(range.substr(comma + 1));
            while (next < c.entries.size() && c.entries[next] >= from && c.entries[next] <= to) {
                listed += reader.Entry(c.entries[next], "1", "\"n\"") ? 1 : 0;
                ++next;
            }
            while (next < c.entries.size() && next > 0 && c.entries[next] == c.entries[next - 1]) {
                listed += reader.Entry(c.entries[next++], "1", "\"n\"") ? 1 : 0;
            }
            read = reader.ReadAnswered();
        }
        EXPECT_EQ(reads, c.reads) << c.used << " " << c.first;
        EXPECT_EQ(listed, c.listed) << c.used << " " << c.first;
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

TEST(NewMessageIndex, TheDigitsAfterTheComma) {
    const CmtiCase cases[] = {
        {"\n+CMTI: \"SM\",12", "12"},       {"+CMTI: \"SM\", 3", "3"},
        {"+CMTI: \"SM\",7\r", "7"},         {"+CMTI: \"SM\",\n1", "1"},
        {"+CMTI: \"SM\"", std::nullopt},   // no comma
        {"+CMTI: \"SM\",", std::nullopt},  // no index
        {"+CMTI: \"SM\",x", std::nullopt},  {"+CMTI: \"SM\",1,2", std::nullopt},
        {"+CMTI: \"SM\",-1", std::nullopt},
    };
    for (const auto& c : cases) {
        const long at = static_cast<long>(c.line.find("+CMTI:")) + 1;
        EXPECT_EQ(ParseCmtiIndex(c.line, at), c.index) << c.line;
    }
}

}  // namespace
}  // namespace shortmsg
