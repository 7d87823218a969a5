// The quoting of bytes in the replay's output and the escapes of scenario strings (the
// times printed show in every golden scenario).
#include <gtest/gtest.h>

#include <string>

#include "escapes.h"

namespace shortmsg::replay {
namespace {

TEST(QuoteBytesTest, PrintableAsTheyAreQuoteAndBackslashEscapedCrLfNamedOthersInHex) {
    const struct {
        std::string bytes;
        const char* quoted;
    } cases[] = {
        {"", "\"\""},
        {"C:\\GPSS", "\"C:\\\\GPSS\""},
        {std::string("\x1A\t\x7F\x80\xFF\0", 6), "\"\\x1A\\x09\\x7F\\x80\\xFF\\x00\""},
    };
    for (const auto& c : cases) EXPECT_EQ(QuoteBytes(c.bytes), c.quoted);
}

TEST(QuoteBytesTest, EveryByteComesBackThroughTheScenarioEscapes) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    const std::string quoted = QuoteBytes(all);
    std::string error;
    const auto back = UnescapeBytes(std::string_view(quoted).substr(1, quoted.size() - 2), error);
    ASSERT_TRUE(back) << error;
    EXPECT_EQ(*back, all);
}

TEST(UnescapeBytesTest, HexDigitsInEitherCaseAndTheNamedEscapes) {
    std::string error;
    EXPECT_EQ(UnescapeBytes("\\x1a\\x1A\\t\\r\\n\\\"\\\\", error),
              std::string("\x1A\x1A\t\r\n\"\\"));
    EXPECT_EQ(UnescapeBytes("\\x414", error), "A4") << "exactly two digits are taken";
    EXPECT_FALSE(UnescapeBytes("end\\", error));
    EXPECT_FALSE(UnescapeBytes("\\x", error));
    EXPECT_FALSE(UnescapeBytes("\\0", error));
}

}  // namespace
}  // namespace shortmsg::replay
