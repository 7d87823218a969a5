// RMC sentences to a fix, the distance moved, and the numbers as the terminal writes them.
#include "gps/rmc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "gps/number_text.h"

namespace shortmsg {
namespace {

// Whole sentences, valid and void, from receivers and broken ones, are tabled in
// tests/tools/pdu_rmc_cases.txt (shortmsg-pdu rmc). What the tool cannot show: a void fix
// keeps the position the state held, a valid one replaces it.
TEST(Rmc, OnlyAValidFixReplacesThePosition) {
    const std::pair<const char*, bool> cases[] = {
        {"GPRMC,123519,A,4807.038,S,01131.000,W,022.4,084.4,230394,003.1,W*6A", true},
        {"GPRMC,123519,V,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A", false},
        {"GPRMC,123519,A,4x07.038,N,01131.000,E,", false},
        {"GPRMC,123519,A,,,,,", false},
        {"", false},
    };
    for (const auto& [sentence, valid] : cases) {
        GpsFixState state;
        state.GPS_FixValid = true;
        state.GPS_Latitude = -12.5;
        state.GPS_Longitude = 130.25;
        DecodeGPRMC(sentence, state);
        EXPECT_EQ(state.GPS_FixValid, valid) << sentence;
        EXPECT_NEAR(state.GPS_Latitude, valid ? -48.1173 : -12.5, 1e-9) << sentence;
        EXPECT_NEAR(state.GPS_Longitude, valid ? -(11.0 + 31.0 / 60) : 130.25, 1e-9) << sentence;
    }
}

// Along a meridian or the equator the central angle is the difference in degrees times K,
// so the distance is that product times 6378 km; the digits given are the terminal's.
struct DistanceCase {
    const char* name;
    double refLatitude, refLongitude, latitude, longitude;
    double kilometres;
    double tolerance;
};

class Distance : public ::testing::TestWithParam<DistanceCase> {};

TEST_P(Distance, Computes) {
    const auto& c = GetParam();
    GpsFixState state;
    state.GPS_RefLatitude = c.refLatitude;
    state.GPS_RefLongitude = c.refLongitude;
    state.GPS_Latitude = c.latitude;
    state.GPS_Longitude = c.longitude;
    ASSERT_TRUE(ComputeDistanceMoved(state));
    EXPECT_NEAR(state.GPS_DistanceMoved, c.kilometres, c.tolerance);
}

INSTANTIATE_TEST_SUITE_P(
    Rmc, Distance,
    ::testing::Values(DistanceCase{"HundredthOfADegreeNorth", 48, 11, 48.01, 11, 1.113170832, 1e-6},
                      DistanceCase{"ThousandthAlongEquator", 0, 0, 0, 0.001, 0.1113170832, 1e-6},
                      DistanceCase{"WesternEquator", 0, -10, 0, -11, 111.3170832, 1e-6},
                      // A quarter circle shows the seven-digit K: with the exact pi / 180 it would
                      // be 10018.5388 km.
                      DistanceCase{"QuarterCircle", 0, 0, 0, 90, 10018.5375258, 1e-6}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Distance, SamePointGivesNoneOrAlmostNone) {
    for (const double latitude : {0.0, 48.1173, -45.4576333, 89.9}) {
        GpsFixState state;
        state.GPS_RefLatitude = state.GPS_Latitude = latitude;
        state.GPS_RefLongitude = state.GPS_Longitude = 11.5166666666667;
        state.GPS_DistanceMoved = 7;
        if (ComputeDistanceMoved(state)) {
            EXPECT_LT(state.GPS_DistanceMoved, 0.001) << latitude;
        } else {
            EXPECT_EQ(state.GPS_DistanceMoved, 7) << latitude;
        }
    }
}

struct NumberCase {
    double value;
    const char* text;
};

class NumberText : public ::testing::TestWithParam<NumberCase> {};

TEST_P(NumberText, Writes) {
    EXPECT_EQ(FormatGeneralNumber(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, NumberText,
    ::testing::Values(NumberCase{-11.0 - 31.0 / 60, "-11.5166666666667"}, NumberCase{0, "0"},
                      NumberCase{-0.0, "0"}, NumberCase{0.1 + 0.2, "0.3"},
                      NumberCase{0.0001, "0.0001"}, NumberCase{1e20, "1e+20"},
                      NumberCase{123456789012345678.0, "1.23456789012346e+17"}));

}  // namespace
}  // namespace shortmsg
