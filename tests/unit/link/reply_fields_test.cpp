// Cutting replies into fields and reading numbers out of them, with the replies modems send
// and the ones cut short.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "link/reply_fields.h"

namespace shortmsg {
namespace {

struct CutCase {
    const char* what;
    std::string line;
    long start;
    int count;
    std::vector<std::string> fields;
};

TEST(FieldCutting, CutsByPositionKeepingBlanksQuotesAndStrayCharacters) {
    const CutCase cases[] = {
        {"+CSMS: the blank after the colon stays in field 1",
         "+CSMS: 0,001,001,001",
         7,
         4,
         {" 0", "001", "001", "001"}},
        {"a line cut at LF keeps its CR in the last field",
         "+CSMS: 0,1,1,1\r",
         7,
         4,
         {" 0", "1", "1", "1\r"}},
        {"a line starting with the LF of the pair before",
         "\n+CSMS: 0,1,1,1",
         8,
         4,
         {" 0", "1", "1", "1"}},
        {"+CPMS: quotes are part of the fields",
         "+CPMS: \"SM\",3,30,\"ME\",0,100,\"SM\",3,30",
         7,
         9,
         {" \"SM\"", "3", "30", "\"ME\"", "0", "100", "\"SM\"", "3", "30"}},
        {"the last field takes the commas after it",
         "+SBDI: 1, 5, 0, 0, 0, 0,7",
         7,
         6,
         {" 1", " 5", " 0", " 0", " 0", " 0,7"}},
        {"empty fields between commas", "+CMGR: 0,,23", 7, 3, {" 0", "", "23"}},
        {"short line: missing fields are empty", "+CSMS: 0,1", 7, 4, {" 0", "1", "", ""}},
        {"no comma at all: field 1 runs to the end",
         "+CPMS: 3",
         7,
         9,
         {" 3", "", "", "", "", "", "", "", ""}},
        {"keyword at the end of the line", "+CSMS:", 7, 4, {"", "", "", ""}},
        {"start past the end of the line", "+SBDI", 7, 6, {"", "", "", "", "", ""}},
        {"a trailing comma leaves the last field empty",
         "+CSMS: 0,1,1,",
         7,
         4,
         {" 0", "1", "1", ""}},
        {"one field is the whole rest", "+X: a,b,c", 4, 1, {" a,b,c"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CutFields(c.line, c.start, c.count), c.fields) << c.what;
    }
}

TEST(FieldCutting, AlwaysGivesTheFieldsAsked) {
    for (int count : {0, 1, 4, 9}) {
        EXPECT_EQ(CutFields("", 1, count).size(), static_cast<size_t>(count));
        EXPECT_EQ(CutFields(",,,,,,,,,,,,", 1, count).size(), static_cast<size_t>(count));
    }
}

struct NumberCase {
    std::string text;
    std::optional<int> value;
};

TEST(NumberReading, WholeNumbersWithBlanksAndLineEndsAroundThem) {
    const NumberCase cases[] = {
        {"7", 7},
        {"7\r", 7},
        {"\n12\r", 12},
        {" 3", 3},
        {" 3 ", 3},
        {"00", 0},
        {"+5", 5},
        {"-1", -1},
        {"32767", 32767},
        {"-32768", -32768},
        {"32768", {}},
        {"-32769", {}},
        {"99999999999999999999", {}},
        {"", {}},
        {"   ", {}},
        {"\r", {}},
        {"abc", {}},
        {"1 2", {}},
        {"3a", {}},
        {"\"SM\"", {}},
        {"1.5", {}},
        {" (1-250)", {}},
        {"0x10", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IntegerValue(c.text), c.value) << '"' << c.text << '"';
        EXPECT_EQ(IntegerValueOr0(c.text), c.value.value_or(0)) << '"' << c.text << '"';
    }
}

}  // namespace
}  // namespace shortmsg
