// The replay runner's decisions that do not depend on the terminal's behaviour: the order
// events run in, the check of control names, the default end and the command line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "arguments.h"
#include "runner.h"

namespace shortmsg::replay {
namespace {

std::vector<ScenarioEvent> Parse(const std::string& text) {
    const ParsedScenario s = ParseScenario(text);
    EXPECT_FALSE(s.error) << s.error->line << ": " << s.error->message;
    return s.events;
}

std::vector<int> Lines(const std::vector<ScenarioEvent>& events) {
    std::vector<int> lines;
    for (const auto& e : events) lines.push_back(e.line);
    return lines;
}

TEST(RunOrderTest, ByTimeThenFileOrderWithPortsAndClockFirstAtTimeZero) {
    const auto events = Parse(
        "1 modem \"b\"\n"                    // 1
        "0 modem \"a\"\n"                    // 2
        "0 port 1 absent\n"                  // 3
        "0 click SendButton\n"               // 4
        "0 clock \"2003-01-13 15:26:00\"\n"  // 5
        "-1 modem \"before\"\n"              // 6
        "1 port 1 present\n"                 // 7
        "0.5 modem \"c\"\n");                // 8
    size_t startAt = 99;
    const auto ordered = RunOrder(events, startAt);
    EXPECT_EQ(Lines(ordered), (std::vector<int>{6, 3, 5, 2, 4, 8, 1, 7}));
    EXPECT_EQ(startAt, 3u) << "the terminal starts after the time-0 ports and clock";
}

TEST(RunOrderTest, WithNoEventsTheTerminalStillStarts) {
    size_t startAt = 99;
    EXPECT_TRUE(RunOrder({}, startAt).empty());
    EXPECT_EQ(startAt, 0u);
}

TEST(DefaultUntilTest, FiveSecondsAfterTheLastEvent) {
    EXPECT_EQ(DefaultUntil({}), 5000);
    EXPECT_EQ(DefaultUntil(Parse("30 modem \"x\"\n2 modem \"y\"\n")), 35000);
    EXPECT_EQ(DefaultUntil(Parse("-3 modem \"x\"\n")), 5000);
}

TEST(CheckControlsTest, NamesAControlOfTheRightKindInEitherWindow) {
    const struct {
        const char* line;
        bool good;
    } cases[] = {
        {"1 click SendButton", true},
        {"1 click SMS.QuitButton", true},
        {"1 click OptionsForm.EnableGPS", true},
        {"1 click RadioSerialPortNumber", true},
        {"1 click BackToMainButton", true},
        {"1 pick QuickSMS_Combo1 \"x\"", true},
        {"1 type PhoneBook \"x\"", true},
        {"1 type SMinputWindow \"x\"", true},
        {"1 click SendButtn", false},
        {"1 click OptionsForm.SendButton", false},
        {"1 click Main.SendButton", false},
        {"1 click PhoneBook", false},
        {"1 click SanityTimer", false},
        {"1 click MO_Supported", false},
        {"1 pick SMinputWindow \"x\"", false},
        {"1 type SendButton \"x\"", false},
        {"1 type EnableGPS \"x\"", false},
    };
    for (const auto& c : cases) {
        const auto error = CheckControls(Parse(std::string("0 modem \"OK\"\n") + c.line + "\n"));
        EXPECT_EQ(!error, c.good) << c.line;
        if (error) {
            EXPECT_EQ(error->line, 2) << c.line;
        }
    }
}

TEST(ArgumentsTest, OptionsAndTheScenario) {
    const ParsedArguments p = ParseArguments(
        {"--until", "65.5", "--data-root", "/tmp/x", "--keep", "--debug-window", "a.scn"});
    EXPECT_EQ(p.error, "");
    EXPECT_EQ(p.arguments.until, 65500);
    EXPECT_EQ(p.arguments.dataRoot, "/tmp/x");
    EXPECT_TRUE(p.arguments.keep);
    EXPECT_TRUE(p.arguments.debugWindow);
    EXPECT_EQ(p.arguments.scenario, "a.scn");

    const ParsedArguments stdinOnly = ParseArguments({"-"});
    EXPECT_EQ(stdinOnly.error, "");
    EXPECT_EQ(stdinOnly.arguments.scenario, "-");
    EXPECT_FALSE(stdinOnly.arguments.until);
}

TEST(ArgumentsTest, BadCommandLinesSayWhy) {
    const struct {
        std::vector<std::string> args;
        const char* error;
    } cases[] = {
        {{}, "no scenario given"},
        {{"a.scn", "b.scn"}, "only one scenario"},
        {{"--until", "1.2345", "a.scn"}, "--until: a time has at most three decimals"},
        {{"a.scn", "--until"}, "--until needs a value"},
        {{"a.scn", "--data-root"}, "--data-root needs a value"},
        {{"--fast", "a.scn"}, "unknown option --fast"},
    };
    for (const auto& c : cases) {
        const ParsedArguments p = ParseArguments(c.args);
        EXPECT_NE(p.error.find(c.error), std::string::npos) << p.error;
    }
    EXPECT_TRUE(ParseArguments({"--help"}).arguments.help);
    EXPECT_EQ(ParseArguments({"--help"}).error, "");
}

}  // namespace
}  // namespace shortmsg::replay
