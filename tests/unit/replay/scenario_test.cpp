// Scenario files: comments, escapes and times, and the malformed lines that are refused with
// their line number before anything runs.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "scenario.h"

namespace shortmsg::replay {
namespace {

TEST(ScenarioParse, TimesAreSecondsWithUpToThreeDecimals) {
    constexpr std::optional<long long> kRefused;
    const struct {
        const char* text;
        std::optional<long long> ms;
    } cases[] = {
        {"7.1", 7100},    {"0.010", 10},
        {"-0.001", -1},   {"1.", kRefused},
        {".5", kRefused}, {"1e3", kRefused},
        {"-", kRefused},  {"+1", kRefused},
        {"", kRefused},   {"1234567890", kRefused},
    };
    for (const auto& c : cases) {
        std::string error;
        const auto ms = ParseTime(c.text, error);
        EXPECT_EQ(ms, c.ms) << c.text;
        EXPECT_EQ(error.empty(), c.ms.has_value()) << c.text;
    }
}

struct Malformed {
    const char* line;
    const char* reason;  // a part of the message
};

class ScenarioMalformed : public ::testing::TestWithParam<Malformed> {};

TEST_P(ScenarioMalformed, IsRefusedWithItsLineNumberAndNoEvents) {
    const std::string text = std::string("# a good start\n0 modem \"OK\"\n\n") + GetParam().line +
                             "\n1 click QuitButton\n";
    const ParsedScenario s = ParseScenario(text);
    ASSERT_TRUE(s.error) << GetParam().line;
    EXPECT_EQ(s.error->line, 4);
    EXPECT_NE(s.error->message.find(GetParam().reason), std::string::npos) << s.error->message;
    EXPECT_TRUE(s.events.empty());
}

// One line for each reason a line is refused (golden refused/ has an unknown control and a
// bad escape through the whole program).
INSTANTIATE_TEST_SUITE_P(
    Lines, ScenarioMalformed,
    ::testing::Values(Malformed{"1.2345 modem \"OK\"", "three decimals"},
                      Malformed{"\"1\" modem \"OK\"", "starts with its time"},
                      Malformed{"1 modem \"\\x4G\"", "two hex digits"},
                      Malformed{"1 modem \"OK\\\"", "closing quote"},
                      Malformed{"1 modem \"caf\xE9\"", "raw byte \\xE9"},
                      Malformed{"1 modem \"OK\"x", "after a closing quote"},
                      Malformed{"1 beep", "unknown event beep"}, Malformed{"1", "event word"},
                      Malformed{"1 modem OK", "quoted string"},
                      Malformed{"1 modem \"OK\" \"again\"", "number of arguments"},
                      Malformed{"1 click SMS.Send.Button", "control name"},
                      Malformed{"1 port COM1 absent", "port number"},
                      Malformed{"1 port 1 gone", "absent or present"},
                      Malformed{"1 clock \"2001-02-29 00:00:00\"", "date and time"},
                      Malformed{"-1 click SendButton", "before start-up"}));

}  // namespace
}  // namespace shortmsg::replay
