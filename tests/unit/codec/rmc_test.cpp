// RMC sentences to a fix, the distance moved, and the numbers as the terminal writes them.
#include "gps/rmc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "gps/number_text.h"

namespace shortmsg {
namespace {

constexpr const char* kExample =
    "GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A";

// A state that already holds a position, so that a void fix can be seen to keep it.
GpsFixState Holding(double latitude, double longitude) {
    GpsFixState state;
    state.GPS_FixValid = true;
    state.GPS_FixTime = "old";
    state.GPS_Latitude = latitude;
    state.GPS_Longitude = longitude;
    return state;
}

struct FixCase {
    const char* name;
    std::string sentence;
    std::string time;
    double latitude;
    double longitude;
};

void PrintTo(const FixCase& c, std::ostream* os) {
    *os << c.name;
}

class ValidFix : public ::testing::TestWithParam<FixCase> {};

TEST_P(ValidFix, Decodes) {
    const auto& c = GetParam();
    GpsFixState state = Holding(1, 2);
    DecodeGPRMC(c.sentence, state);
    EXPECT_TRUE(state.GPS_FixValid);
    EXPECT_EQ(state.GPS_FixTime, c.time);
    EXPECT_NEAR(state.GPS_Latitude, c.latitude, 1e-9);
    EXPECT_NEAR(state.GPS_Longitude, c.longitude, 1e-9);
}

// Expected positions of the receiver lines are gpsd's own readings of the same lines
// (tests/data/nmea-logs/*.log.chk), rounded there to nine decimals.
INSTANTIATE_TEST_SUITE_P(
    Rmc, ValidFix,
    ::testing::Values(
        FixCase{"Example", kExample, "123519", 48.1173, 11.0 + 31.0 / 60},
        FixCase{"SouthWest", "GPRMC,123519,A,4807.038,S,01131.000,W,022.4,084.4,230394,003.1,W*6A",
                "123519", -48.1173, -(11.0 + 31.0 / 60)},
        FixCase{"SouthWestLowerCase",
                "GPRMC,123519,A,4807.038,s,01131.000,w,022.4,084.4,230394,003.1,W*6A", "123519",
                -48.1173, -(11.0 + 31.0 / 60)},
        FixCase{"EmptyHemispheresStayPositive", "GPRMC,123519,A,4807.038,,01131.000,,", "123519",
                48.1173, 11.0 + 31.0 / 60},
        FixCase{"OtherHemisphereTextStaysPositive", "GPRMC,1,A,4807.038,X,01131.000,WW,", "1",
                48.1173, 11.0 + 31.0 / 60},
        FixCase{"NothingAfterLongitudeComma", "GPRMC,123519,A,4807.038,N,01131.000,E,", "123519",
                48.1173, 11.0 + 31.0 / 60},
        FixCase{"SeventeenDigitMinutes", "GPRMC,1,A,4807.03800000000000,N,01131.000000000000,E,",
                "1", 48.1173, 11.0 + 31.0 / 60},
        FixCase{"PointFirstAndLast", "GPRMC,1,A,48.5,N,0115.,E,", "1", 48.0 + 0.5 / 60,
                11.0 + 5.0 / 60},
        FixCase{"Garmin38West",
                "GPRMC,142216,A,3348.452,N,11821.143,W,000.0,353.6,081002,013.8,E*66", "142216",
                33.8075333333, -118.3523833333},
        FixCase{"HumminbirdTalkerIN",
                "INRMC,194101,A,4426.1130,N,07140.5596,W,5.2,77.3,160906,15.8,W*60", "194101",
                44.435216667, -71.675993333},
        FixCase{"TrimbleEightDecimalMinutes",
                "GPRMC,132820.60,A,4134.49821229,N,09345.03351845,W,3.252,92.308,180320,"
                "11.5985,E,D*1A",
                "132820.60", 41.574970205, -93.750558641},
        FixCase{"TelitLongitudeUnderOneDegree",
                "GPRMC,000231.099,A,4829.0005,N,00022.0015,E,0.15,212.28,2208-1,,,A*73",
                "000231.099", 48.483341667, 0.366691667}),
    [](const auto& info) { return std::string(info.param.name); });

struct VoidCase {
    const char* name;
    std::string sentence;
    std::string time;
};

void PrintTo(const VoidCase& c, std::ostream* os) {
    *os << c.name;
}

class VoidFix : public ::testing::TestWithParam<VoidCase> {};

TEST_P(VoidFix, KeepsThePreviousPosition) {
    const auto& c = GetParam();
    GpsFixState state = Holding(-12.5, 130.25);
    DecodeGPRMC(c.sentence, state);
    EXPECT_FALSE(state.GPS_FixValid);
    EXPECT_EQ(state.GPS_FixTime, c.time);
    EXPECT_EQ(state.GPS_Latitude, -12.5);
    EXPECT_EQ(state.GPS_Longitude, 130.25);
}

INSTANTIATE_TEST_SUITE_P(
    Rmc, VoidFix,
    ::testing::Values(
        VoidCase{"StatusV", "GPRMC,123519,V,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W",
                 "123519"},
        VoidCase{"LowerCaseA", "GPRMC,123519,a,4807.038,N,01131.000,E,022.4,084.4,230394,,",
                 "123519"},
        VoidCase{"StatusWithBlank", "GPRMC,123519,A ,4807.038,N,01131.000,E,", "123519"},
        VoidCase{"TelitCompletelyEmpty", "GPRMC,,V,,,,,,,,,,N*53", ""},
        // Text that is not a complete RMC sentence: a void fix, never a crash.
        VoidCase{"Empty", "", ""}, VoidCase{"NoComma", "GPRMC", ""},
        VoidCase{"StatusWithoutComma", "GPRMC,123519,A", "123519"},
        VoidCase{"EndsAfterEastWest", "GPRMC,123519,A,4807.038,N,01131.000,E", "123519"},
        VoidCase{"EmptyPosition", "GPRMC,123519,A,,,,,", "123519"},
        VoidCase{"LatitudeOneCharacter", "GPRMC,1,A,4,N,01131.000,E,", "1"},
        VoidCase{"LongitudeWithoutMinutes", "GPRMC,1,A,4807.038,N,011,E,", "1"},
        VoidCase{"LetterInDegrees", "GPRMC,1,A,4x07.038,N,01131.000,E,", "1"},
        VoidCase{"LetterInMinutes", "GPRMC,1,A,4807.0x8,N,01131.000,E,", "1"},
        VoidCase{"TwoDecimalPoints", "GPRMC,1,A,4807.0.8,N,01131.000,E,", "1"},
        VoidCase{"NotANumber", "GPRMC,1,A,48nan,N,011inf,E,", "1"},
        VoidCase{"LongMinutesWithLetter", "GPRMC,1,A,4807.03800000000000x,N,01131.000,E,", "1"},
        VoidCase{"LongMinutesTwoPoints", "GPRMC,1,A,4807.0380000000.00000,N,01131.000,E,", "1"},
        VoidCase{"OnlyAPoint", "GPRMC,1,A,48.,N,011.,E,", "1"},
        VoidCase{"Exponent", "GPRMC,1,A,481e3,N,01131.000,E,", "1"},
        VoidCase{"LetterInLongitudeDegrees", "GPRMC,1,A,4807.038,N,0x131.000,E,", "1"}),
    [](const auto& info) { return std::string(info.param.name); });

// Along a meridian or the equator the central angle is the difference in degrees times K,
// so the distance is that product times 6378 km; the digits given are the terminal's.
struct DistanceCase {
    const char* name;
    double refLatitude, refLongitude, latitude, longitude;
    double kilometres;
    double tolerance;
};

void PrintTo(const DistanceCase& c, std::ostream* os) {
    *os << c.name;
}

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
