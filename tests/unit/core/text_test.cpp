// 1-based text positions that never reach past the text (whole numbers: reply_fields_test).
#include "link/text.h"

#include <gtest/gtest.h>

namespace shortmsg {
namespace {

TEST(TextPositions, InStrCountsFromOneAndClamps) {
    struct Case {
        long start;
        std::string_view text, needle;
        long expected;
    };
    const Case cases[] = {
        {1, "AT\r\nOK\r\n", "\r\n", 3},
        {4, "AT\r\nOK\r\n", "\r\n", 7},
        {8, "AT\r\nOK\r\n", "\r\n", 0},
        {9, "AT\r\nOK\r\n", "\r\n", 0},
        {50, "OK", "OK", 0},
        {0, "OK", "OK", 0},
        {1, "", "OK", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(InStr(c.start, c.text, c.needle), c.expected) << c.text << " from " << c.start;
    }
}

TEST(TextPositions, MidNeverReadsPastTheText) {
    EXPECT_EQ(Mid("+CMTI: \"SM\",7\r", 13), "7\r");
    EXPECT_EQ(Mid("abc", 2, 5), "bc");
    EXPECT_EQ(Mid("abc", 4, 1), "");
    EXPECT_EQ(Mid("abc", 0, 2), "");
    EXPECT_EQ(Mid("abc", 2, -1), "");
    EXPECT_EQ(Mid("abc", 99), "");
}

}  // namespace
}  // namespace shortmsg
