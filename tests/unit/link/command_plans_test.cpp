// The decisions behind Send, Next, Erase and the phone-book pick.
#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "ui/command_plans.h"

namespace shortmsg {
namespace {

TEST(SendChecks, ShortBurstTextMayNotHoldControlCharacters) {
    struct Case {
        std::string text;
        bool refused;
    };
    const Case cases[] = {
        {"", false},
        {" ~{}[]\\|^", false},
        {"Gr\xfc\xdf"
         "e \xa0\xff",
         false},  // Latin-1 letters, no-break space
        {"a\nb", true},
        {"a\rb", true},
        {std::string("nul\0", 4), true},
        {"us\x1f", true},
        {"del\x7f", true},
        {"c1\x80", true},
        {"c1\x9f", true},
    };
    for (const auto& c : cases) EXPECT_EQ(HoldsControlCharacter(c.text), c.refused) << c.text;
}

// Next and Erase on the same two boxes. Golden scenario messages/next_and_erase has the
// steps, the wrap, the start texts, typed text and the empty boxes.
struct StoreCase {
    std::string index, count;
    std::string shown;  // the index box after Next
    std::optional<std::string> command;
    EraseAction erase;
};

TEST(NextAndErase, StepAndEraseOnlyWithACountAndAnIndex) {
    const StoreCase cases[] = {
        {"5", "3", "1", "AT+CMGR=1", EraseAction::Erase},  // past the count
        // An index from "+CMTI:" with its CR.
        {"7\r", "7", "1", "AT+CMGR=1", EraseAction::Erase},
        {"6\r", "7", "7", "AT+CMGR=7", EraseAction::Erase},
        {"-5", "3", "1", "AT+CMGR=1", EraseAction::Nothing},  // steps to -4, then set to 1
        {"1", "x", "1", std::nullopt, EraseAction::Nothing},
        {"1", "   ", "1", std::nullopt, EraseAction::Nothing},  // the count box's start text
        {"1", "", "1", "AT+CPMS?", EraseAction::AskCounts},
        {"32767", "32767", "1", "AT+CMGR=1", EraseAction::Erase},
    };
    for (const auto& c : cases) {
        const NextPlan plan = PlanNext(c.index, c.count);
        std::string shown = c.index;
        if (plan.steppedIndex) shown = *plan.steppedIndex;
        if (plan.resetIndex) shown = *plan.resetIndex;
        std::optional<std::string> command;
        if (plan.askCounts) command = "AT+CPMS?";
        if (plan.read) command = "AT+CMGR=" + shown;
        EXPECT_EQ(shown, c.shown) << c.index << "/" << c.count;
        EXPECT_EQ(command, c.command) << c.index << "/" << c.count;
        EXPECT_EQ(PlanErase(c.index, c.count), c.erase) << c.index << "/" << c.count;
    }
}

struct SlotCase {
    std::string firstIndex;
    std::string name;
    std::optional<int> slot;
};

// The tables hold the last reading's entries wherever the SIM keeps them (golden scenarios
// phonebook/load_* pick names).
TEST(PhoneBookPick, SearchesFromTheFirstIndexOn) {
    std::array<std::string, kPhoneBookSlots> names{};
    names[2] = "\"Bob\"";
    names[4] = "\"Bob\"";
    names[160] = "\"Last\"";
    const SlotCase cases[] = {
        {"1", "\"Bob\"", 2},  // the first match wins
        {"3", "\"Bob\"", 4},
        {"1", "\"Last\"", 160},
        {"1", "\"bob\"", std::nullopt},  // case-sensitive
        {"", "\"Bob\"", std::nullopt},   // no range read yet
        {"0", "\"Bob\"", std::nullopt},  // a first index below 1
        {"161", "\"Last\"", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FindPhoneBookSlot(names, c.firstIndex, c.name), c.slot)
            << c.firstIndex << " " << c.name;
    }
}

}  // namespace
}  // namespace shortmsg
