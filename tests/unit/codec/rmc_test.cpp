// RMC sentences to a fix, the distance moved, and the numbers as the terminal writes them.
// Whole sentences, valid and void, from receivers and broken ones, are cases of
// tests/tools/pdu_rmc_cases.txt; the distances of a walk are in the golden scenarios gps/.
#include "gps/rmc.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "gps/number_text.h"

namespace shortmsg {
namespace {

// What the tool cannot show: a void fix keeps the position the state held, a valid one
// replaces it.
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
// so the distance is that product times 6378 km. A quarter circle shows the seven-digit K
// (with the exact pi / 180 it would be 10018.5388 km). The same point gives no distance, or
// almost none: never a failed arc cosine.
TEST(Rmc, DistanceMoved) {
    const double cases[][5] = {{48, 11, 48.01, 11, 1.113170832},
                               {0, 0, 0, 0.001, 0.1113170832},
                               {0, -10, 0, -11, 111.3170832},
                               {0, 0, 0, 90, 10018.5375258}};
    for (const auto& [refLatitude, refLongitude, latitude, longitude, kilometres] : cases) {
        GpsFixState state;
        state.GPS_RefLatitude = refLatitude;
        state.GPS_RefLongitude = refLongitude;
        state.GPS_Latitude = latitude;
        state.GPS_Longitude = longitude;
        ASSERT_TRUE(ComputeDistanceMoved(state)) << kilometres;
        EXPECT_NEAR(state.GPS_DistanceMoved, kilometres, 1e-6);
    }
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

TEST(Rmc, NumberText) {
    const std::pair<double, const char*> cases[] = {{-11.0 - 31.0 / 60, "-11.5166666666667"},
                                                    {0, "0"},
                                                    {-0.0, "0"},
                                                    {0.1 + 0.2, "0.3"},
                                                    {0.0001, "0.0001"},
                                                    {1e20, "1e+20"},
                                                    {123456789012345678.0, "1.23456789012346e+17"}};
    for (const auto& [value, text] : cases) EXPECT_EQ(FormatGeneralNumber(value), text);
}

}  // namespace
}  // namespace shortmsg
