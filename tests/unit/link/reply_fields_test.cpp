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
    // The "+CSMS:" and "+CPMS:" replies of the golden scenario messages/storage_status show
    // the blank after the colon, the quotes and a short reply.
    const CutCase cases[] = {
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
        {"the last field takes the commas after it",
         "+SBDI: 1, 5, 0, 0, 0, 0,7",
         7,
         6,
         {" 1", " 5", " 0", " 0", " 0", " 0,7"}},
        {"empty fields between commas", "+CMGR: 0,,23", 7, 3, {" 0", "", "23"}},
        {"no comma at all: field 1 runs to the end",
         "+CPMS: 3",
         7,
         9,
         {" 3", "", "", "", "", "", "", "", ""}},
        {"start past the end of the line", "+SBDI", 7, 6, {"", "", "", "", "", ""}},
        {"no fields asked", "+CSMS: 0,1", 7, 0, {}},
        {"a trailing comma leaves the last field empty",
         "+CSMS: 0,1,1,",
         7,
         4,
         {" 0", "1", "1", ""}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CutFields(c.line, c.start, c.count), c.fields) << c.what;
    }
}

struct NumberCase {
    std::string text;
    std::optional<int> value;
};

TEST(NumberReading, WholeNumbersWithBlanksAndLineEndsAroundThem) {
    const NumberCase cases[] = {
        {"7\r", 7},         {"\n12\r", 12},
        {" 3 ", 3},         {"+5", 5},
        {"-1", -1},         {"32767", 32767},
        {"-32768", -32768}, {"32768", {}},
        {"-32769", {}},     {"99999999999999999999", {}},
        {"", {}},           {"\r", {}},
        {"1 2", {}},        {"3a", {}},
        {"1.5", {}},        {"0x10", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IntegerValue(c.text), c.value) << '"' << c.text << '"';
        EXPECT_EQ(IntegerValueOr0(c.text), c.value.value_or(0)) << '"' << c.text << '"';
    }
}

}  // namespace
}  // namespace shortmsg
