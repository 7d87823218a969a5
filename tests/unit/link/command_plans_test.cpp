// The phone-book pick (Next, Erase and the Send checks are tables in tests/unit/tables).
#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "ui/command_plans.h"

namespace shortmsg {
namespace {

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
