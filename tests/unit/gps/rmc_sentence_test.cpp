// Which sentence a GPS_Timer1 tick keeps from one read of the receiver port.
#include "gps/rmc_sentence.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace shortmsg {
namespace {

constexpr const char* kGga =
    "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47\r\n";
constexpr const char* kRmcA =
    "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A\r\n";
constexpr const char* kRmcB =
    "$GPRMC,123520,A,4807.039,N,01131.000,E,022.4,084.4,230394,003.1,W*61\r\n";
constexpr const char* kGnRmc =
    "$GNRMC,001031.00,A,3452.11346,S,13836.44522,E,0.036,,101221,,,D*7A\r\n";

struct TakeCase {
    const char* name;
    std::string read;
    std::optional<std::string> sentence;
};

void PrintTo(const TakeCase& c, std::ostream* os) {
    *os << c.name;
}

class TakeRmc : public ::testing::TestWithParam<TakeCase> {};

TEST_P(TakeRmc, KeepsTheFirstCompleteSentence) {
    const auto& c = GetParam();
    const auto got = TakeRmcSentence(c.read);
    ASSERT_EQ(got.has_value(), c.sentence.has_value());
    if (got) {
        EXPECT_EQ(std::string(*got), *c.sentence);
    }
}

const std::string kA = "GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A";
const std::string kB = "GPRMC,123520,A,4807.039,N,01131.000,E,022.4,084.4,230394,003.1,W*61";

// The golden scenario gps/polling_reads has one sentence among others, two in one read,
// one without its end, an LF alone, a void fix, "$GNRMC" alone and after "$GPRMC".
INSTANTIATE_TEST_SUITE_P(
    Polling, TakeRmc,
    ::testing::Values(
        TakeCase{"EmptyRead", "", std::nullopt},
        TakeCase{"DollarAtTheVeryEnd", std::string(kGga) + "$GPRMC", std::nullopt},
        // A sentence cut by noise fails its checksum: as if not received, the next is taken.
        TakeCase{"FirstCutSecondComplete", "$GPRMC,123519,A\n" + std::string(kRmcB), kB},
        // One changed digit ("4907.038": 111 km north) fails the checksum; none is checked
        // where there is none; the digits may be lower case.
        TakeCase{"NoiseFailsTheChecksum",
                 "$GPRMC,123519,A,4907.038,N,01131.000,E,022.4,084.4,"
                 "230394,003.1,W*6A\r\n",
                 std::nullopt},
        TakeCase{"NoChecksum", "$GPRMC,1,A,4807.038,N,01131.000,E\r\n",
                 "GPRMC,1,A,4807.038,N,01131.000,E"},
        TakeCase{"LowerCaseChecksum",
                 "$GPRMC,123520,A,4807.039,N,01131.000,E,022.4,084.4,"
                 "230394,003.1,W*61\r\n",
                 kB},
        TakeCase{"BadGpsThenGoodGn", "$GPRMC,1*00\r\n" + std::string(kGnRmc),
                 std::string(kGnRmc).substr(1, std::string(kGnRmc).size() - 3)},
        TakeCase{"CrAloneIsNoEnd", "$" + kA + "\r", std::nullopt},
        TakeCase{"StartsMidSentenceOfThePreviousRead", "0.9,545.4,M*47\r\n" + std::string(kRmcA),
                 kA},
        TakeCase{"TalkerIsCaseSensitive", "$gprmc,1,A,,,,,\r\n", std::nullopt},
        // A read that holds "$GPRMC" uses it alone, even when its end has not come.
        TakeCase{"GpsTalkerWithoutEndHidesCompleteGn", std::string(kGnRmc) + "$GPRMC,12",
                 std::nullopt},
        TakeCase{"OtherTalkersAreNotPositions", "$GLRMC,1,A,,,,,\r\n$INRMC,1,A,,,,,\r\n",
                 std::nullopt}));

struct HoldsCase {
    const char* text;
    bool holds;
};

class HoldsPosition : public ::testing::TestWithParam<HoldsCase> {};

TEST_P(HoldsPosition, LooksForEitherTalker) {
    EXPECT_EQ(HoldsPositionSentence(GetParam().text), GetParam().holds) << GetParam().text;
}

// Golden scenario gps/logs logs texts with "GPRMC" and "GNRMC", and not "Hello".
INSTANTIATE_TEST_SUITE_P(Logs, HoldsPosition,
                         ::testing::Values(HoldsCase{"at sea: $GNRMC,1", true},
                                           HoldsCase{"gprmc,123519", false},
                                           HoldsCase{"GPRM", false}));

// What is logged of a received text and what a report carries of a sentence: up to the
// first control character, so no made-up second line reaches a log or the modem.
TEST(SentenceText, EndsAtTheFirstControlCharacter) {
    EXPECT_EQ(RmcSentenceIn("pos $GPRMC,1,A*00\r\n$GPRMC,2,A*00"), "GPRMC,1,A*00");
    EXPECT_EQ(RmcSentenceIn("GNRMC,1,A"), "GNRMC,1,A");
    EXPECT_EQ(RmcSentenceIn("no position"), "");
    EXPECT_EQ(ReportText("GPRMC,1,A*2B\rAT+CMGD=1"), "GPRMC,1,A*2B");
    EXPECT_EQ(ReportText(std::string("GPRMC\x00x", 7)), "GPRMC");
}

}  // namespace
}  // namespace shortmsg
