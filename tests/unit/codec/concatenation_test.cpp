// The parts of messages in parts, kept until the whole text can be shown.
#include "pdu/concatenation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace shortmsg {
namespace {

// One part added; `whole` empty means the set is still incomplete after it.
struct Step {
    std::string sender;
    Concatenation concat;
    std::string text;
    int storeIndex;
    std::string whole = {};
    std::vector<int> storeIndexes = {};
};

struct AssemblyCase {
    const char* name;
    std::vector<Step> steps;
    std::size_t incompleteAfter;
};

class Assembler : public ::testing::TestWithParam<AssemblyCase> {};

TEST_P(Assembler, JoinsCompleteSets) {
    MessageAssembler assembler;
    for (const Step& step : GetParam().steps) {
        const auto whole = assembler.Add(step.sender, step.concat, step.text, step.storeIndex);
        ASSERT_EQ(whole.has_value(), !step.whole.empty()) << step.text;
        if (whole) {
            EXPECT_EQ(whole->text, step.whole);
            EXPECT_EQ(whole->storeIndexes, step.storeIndexes);
        }
    }
    EXPECT_EQ(assembler.IncompleteSets(), GetParam().incompleteAfter);
}

constexpr Concatenation Part(int part, int total, int reference = 7) {
    return {reference, part, total, false};
}

INSTANTIATE_TEST_SUITE_P(
    Parts, Assembler,
    ::testing::Values(
        AssemblyCase{"InOrder",
                     {{"A", Part(1, 2), "Hel", 3}, {"A", Part(2, 2), "lo", 4, "Hello", {3, 4}}},
                     0},
        AssemblyCase{"OutOfOrder",
                     {{"A", Part(3, 3), "c", 9},
                      {"A", Part(1, 3), "a", 2},
                      {"A", Part(2, 3), "b", 5, "abc", {2, 5, 9}}},
                     0},
        AssemblyCase{"OnePartSetIsWholeAtOnce", {{"A", Part(1, 1), "x", 1, "x", {1}}}, 0},
        AssemblyCase{"SecondPartTwoIgnored",
                     {{"A", Part(2, 2), "first", 1},
                      {"A", Part(2, 2), "second", 2},
                      {"A", Part(1, 2), "1-", 3, "1-first", {3, 1}}},
                     0},
        AssemblyCase{"SenderReferenceAndTotalKeepSetsApart",
                     {{"A", Part(1, 2), "a", 1},
                      {"B", Part(2, 2), "b", 2},
                      {"A", Part(2, 2, 8), "c", 3},
                      {"A", Part(2, 3), "d", 4},
                      {"A", {7, 2, 2, true}, "e", 5, "ae", {1, 5}}},
                     3},
        AssemblyCase{
            "PlaceOutsideTheSetIgnored",
            {{"A", Part(0, 2), "a", 1}, {"A", Part(3, 2), "b", 2}, {"A", Part(1, 0), "c", 3}},
            0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Assembler, KeepsAtMost32IncompleteSetsDroppingTheOldest) {
    MessageAssembler assembler;
    for (int reference = 0; reference <= 32; ++reference) {
        EXPECT_FALSE(assembler.Add("A", Part(1, 2, reference), "x", reference));
    }
    EXPECT_EQ(assembler.IncompleteSets(), 32u);
    EXPECT_FALSE(assembler.Add("A", Part(2, 2, 0), "y", 99));  // set 0 was dropped
    EXPECT_EQ(assembler.Add("A", Part(2, 2, 2), "y", 99)->text, "xy");
    EXPECT_EQ(assembler.IncompleteSets(), 31u);
}

TEST(Assembler, ShowsAnIncompletePartWithItsPlace) {
    EXPECT_EQ(IncompletePartText(Part(1, 3), "Hello"), "(part 1 of 3) Hello");
}

}  // namespace
}  // namespace shortmsg
