// The replay runner's checks of control names and its command line. The order events run
// in and the default end show in every golden scenario under tests/scenarios.
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

TEST(CheckControlsTest, NamesAControlOfTheRightKindInEitherWindow) {
    const struct {
        const char* line;
        bool good;
    } cases[] = {
        {"1 click SMS.QuitButton", true},
        {"1 click RadioSerialPortNumber", true},
        {"1 click OptionsForm.SendButton", false},
        {"1 click Main.SendButton", false},
        {"1 click PhoneBook", false},
        {"1 click SanityTimer", false},
        {"1 pick SMinputWindow \"x\"", false},
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
