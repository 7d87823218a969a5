// Scenario files: every event form, comments, and the malformed lines that are refused with
// their line number before anything runs.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "scenario.h"

namespace shortmsg::replay {
namespace {

TEST(ScenarioParse, EveryEventFormWithItsArguments) {
    const ParsedScenario s = ParseScenario(
        "# start-up with a modem that answers\n"
        "\n"
        "0 modem \"\\r\\nOK\\r\\n\"\n"
        "1.5 click OptionsForm.EnableGPS   # the options window is reachable while hidden\n"
        "2.25 pick QuickSMS_Combo1 \"GPSquery:1\"\n"
        "3 type SMinputWindow \"say \\\"hi\\\" # not a comment\"\n"
        "\t4 port 3 absent\n"
        "4.5 port 03 present\n"
        "5 clock \"2003-01-13 15:26:00\"\n"
        "6.010 gps \"$GPRMC\\t\\\\\\x00\\xfF\"\n"
        "-0.5 modem \"waiting before start\"\n");
    ASSERT_FALSE(s.error) << s.error->line << ": " << s.error->message;
    ASSERT_EQ(s.events.size(), 9u);
    const auto& e = s.events;
    EXPECT_EQ(e[0].line, 3);
    EXPECT_EQ(e[0].type, EventType::Modem);
    EXPECT_EQ(e[0].text, "\r\nOK\r\n");
    EXPECT_EQ(e[1].at, 1500);
    EXPECT_EQ(e[1].type, EventType::Click);
    EXPECT_EQ(e[1].control, "OptionsForm.EnableGPS");
    EXPECT_EQ(e[2].at, 2250);
    EXPECT_EQ(e[2].text, "GPSquery:1");
    EXPECT_EQ(e[3].type, EventType::Type);
    EXPECT_EQ(e[3].text, "say \"hi\" # not a comment");
    EXPECT_EQ(e[4].port, "3");
    EXPECT_FALSE(e[4].present);
    EXPECT_TRUE(e[5].present);
    EXPECT_EQ(ToIsoText(e[6].clock), "2003-01-13 15:26:00");
    EXPECT_EQ(e[7].at, 6010);
    EXPECT_EQ(e[7].type, EventType::Gps);
    EXPECT_EQ(e[7].text, std::string("$GPRMC\t\\\0\xFF", 10));
    EXPECT_EQ(e[8].at, -500);
    EXPECT_EQ(e[8].line, 11);
}

TEST(ScenarioParse, CrLfLineEndsAndAMissingLastLineEndAreAccepted) {
    const ParsedScenario s = ParseScenario("0.2 modem \"OK\"\r\n0.4 click SendButton");
    ASSERT_FALSE(s.error);
    ASSERT_EQ(s.events.size(), 2u);
    EXPECT_EQ(s.events[1].control, "SendButton");
}

TEST(ScenarioParse, TimesAreSecondsWithUpToThreeDecimals) {
    constexpr std::optional<long long> kRefused;
    const struct {
        const char* text;
        std::optional<long long> ms;
    } cases[] = {
        {"0", 0},          {"7", 7000},      {"7.1", 7100},     {"0.010", 10},
        {"12.345", 12345}, {"-2", -2000},    {"-0.001", -1},    {"1.2345", kRefused},
        {"1.", kRefused},  {".5", kRefused}, {"1,5", kRefused}, {"1e3", kRefused},
        {"", kRefused},    {"-", kRefused},  {"+1", kRefused},  {"1234567890", kRefused},
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

INSTANTIATE_TEST_SUITE_P(
    Lines, ScenarioMalformed,
    ::testing::Values(Malformed{"1.2345 modem \"OK\"", "three decimals"},
                      Malformed{"1. modem \"OK\"", "time"}, Malformed{"soon modem \"OK\"", "time"},
                      Malformed{"\"1\" modem \"OK\"", "starts with its time"},
                      Malformed{"1 modem \"\\q\"", "unknown escape \\q"},
                      Malformed{"1 modem \"\\x4\"", "two hex digits"},
                      Malformed{"1 modem \"\\x4G\"", "two hex digits"},
                      Malformed{"1 modem \"OK\\\"", "closing quote"},
                      Malformed{"1 modem \"tab\there\"", "raw byte \\x09"},
                      Malformed{"1 modem \"caf\xE9\"", "raw byte \\xE9"},
                      Malformed{"1 modem \"bell\x07\"", "raw byte \\x07"},
                      Malformed{"1 modem \"OK\"x", "after a closing quote"},
                      Malformed{"1 click Send\x01", "raw byte \\x01"},
                      Malformed{"1 beep", "unknown event beep"}, Malformed{"1", "event word"},
                      Malformed{"1 \"modem\" \"OK\"", "event word"},
                      Malformed{"1 modem OK", "quoted string"},
                      Malformed{"1 modem \"OK\" \"again\"", "number of arguments"},
                      Malformed{"1 click \"SendButton\"", "control name"},
                      Malformed{"1 click SMS.Send.Button", "control name"},
                      Malformed{"1 click 9Lives", "control name"},
                      Malformed{"1 click SendButton now", "number of arguments"},
                      Malformed{"1 pick PhoneBook", "number of arguments"},
                      Malformed{"1 type SMinputWindow text", "quoted string"},
                      Malformed{"1 port 0 absent", "port number"},
                      Malformed{"1 port COM1 absent", "port number"},
                      Malformed{"1 port 1 gone", "absent or present"},
                      Malformed{"1 clock \"2001-02-29 00:00:00\"", "date and time"},
                      Malformed{"1 clock \"2003-01-13 24:00:00\"", "date and time"},
                      Malformed{"1 clock \"01/13/03 03:26:00 pm\"", "date and time"},
                      Malformed{"-1 click SendButton", "before start-up"},
                      Malformed{"-1 type SMinputWindow \"x\"", "before start-up"}));

}  // namespace
}  // namespace shortmsg::replay
