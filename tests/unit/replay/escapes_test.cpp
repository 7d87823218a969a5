// Every byte written in the replay's output form reads back through the scenario escapes
// (the golden scenarios show the forms themselves).
#include <gtest/gtest.h>

#include <string>

#include "escapes.h"

namespace shortmsg::replay {
namespace {

TEST(QuoteBytesTest, EveryByteComesBackThroughTheScenarioEscapes) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    const std::string quoted = QuoteBytes(all);
    std::string error;
    const auto back = UnescapeBytes(std::string_view(quoted).substr(1, quoted.size() - 2), error);
    ASSERT_TRUE(back) << error;
    EXPECT_EQ(*back, all);
}

}  // namespace
}  // namespace shortmsg::replay
