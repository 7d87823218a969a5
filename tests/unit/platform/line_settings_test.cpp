// The port control's settings text: what opens a port and what is refused.
#include "platform/line_settings.h"

#include <gtest/gtest.h>

namespace shortmsg {
namespace {

struct GoodCase {
    const char* text;
    LineSettings expected;
};

void PrintTo(const GoodCase& c, std::ostream* os) {
    *os << c.text;
}

class LineSettingsGood : public ::testing::TestWithParam<GoodCase> {};

TEST_P(LineSettingsGood, Parses) {
    const auto parsed = ParseLineSettings(GetParam().text);
    ASSERT_TRUE(parsed.has_value()) << GetParam().text;
    EXPECT_EQ(*parsed, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Settings, LineSettingsGood,
                         ::testing::Values(
                             // The modem's and the GPS receiver's settings.
                             GoodCase{"19200,N,8,1", {19200, Parity::None, 8, StopBits::One}},
                             GoodCase{"4800,N,8,1", {4800, Parity::None, 8, StopBits::One}},
                             // Every parity letter, the data-bit bounds and every stop-bit form.
                             GoodCase{"9600,E,7,2", {9600, Parity::Even, 7, StopBits::Two}},
                             GoodCase{"300,O,5,1.5", {300, Parity::Odd, 5, StopBits::OneAndHalf}},
                             GoodCase{"115200,M,8,1", {115200, Parity::Mark, 8, StopBits::One}},
                             GoodCase{"1,S,6,2", {1, Parity::Space, 6, StopBits::Two}}));

class LineSettingsRefused : public ::testing::TestWithParam<const char*> {};

TEST_P(LineSettingsRefused, IsNothing) {
    EXPECT_FALSE(ParseLineSettings(GetParam()).has_value());
}

INSTANTIATE_TEST_SUITE_P(Settings, LineSettingsRefused,
                         ::testing::Values("",                   // nothing at all
                                           "19200",              // fields missing
                                           "19200,N,8",          //
                                           "19200,N,8,1,",       // a field too many
                                           "19200,N,8,1,0",      //
                                           "0,N,8,1",            // no speed
                                           "-9600,N,8,1",        // a negative speed
                                           "19200.5,N,8,1",      // not a whole number
                                           "99999999999,N,8,1",  // out of range
                                           " 19200,N,8,1",       // blanks are not trimmed
                                           "19200, N,8,1",       //
                                           "19200,n,8,1",        // parity is upper case
                                           "19200,X,8,1",        // no such parity
                                           "19200,N,4,1",        // data bits 5 to 8
                                           "19200,N,9,1",        //
                                           "19200,N,8,3",        // stop bits 1, 1.5, 2
                                           "19200,N,8,1.0",      //
                                           "19200,,8,1"));

}  // namespace
}  // namespace shortmsg
