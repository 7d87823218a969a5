// GPS_Timer1 ticks: when the distance is shown and a report is due. The sentence a read
// keeps is in rmc_sentence_test; reading the receiver, showing the distance, reporting and
// moving the reference point run whole in the golden scenarios gps/polling_reads,
// distance_sms and distance_sbd.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "gps/rmc.h"
#include "gps/threshold.h"
#include "support/terminal_rig.h"

namespace shortmsg {
namespace {

using namespace testing;

// 0.01 degrees of latitude north of the reference point (48, 11): 1.11317... km.
const std::string kNorth = Rmc("4800.600", "N", "01100.000", "E");

// The unit at `sentence`, the reference point at (48, 11), tracking with `threshold`.
void Track(GpsRig& rig, const std::string& threshold, const std::string& sentence) {
    rig.State().distanceRecipient = {Channel::ShortBurst, ""};
    rig.State().GPS_DistanceThreshold = threshold;
    rig.State().GPS_RefLatitude = 48;
    rig.State().GPS_RefLongitude = 11;
    rig.GpsTick(Line(sentence));
}

// A receiver port that closed (its device went away and came back) is opened again by the
// next tick, whether or not anything waits to be read.
TEST(Polling, AClosedPortIsOpenedAgainOnTheNextTick) {
    GpsRig rig;
    rig.ports.SetPresent("3", false);
    rig.ports.SetPresent("3", true);
    ASSERT_FALSE(rig.gps.PortOpen());
    rig.Gps().GPS_Timer1_Timer();
    EXPECT_TRUE(rig.gps.PortOpen());
}

// The threshold as text that reads back as exactly `km`.
std::string ExactText(double km) {
    char text[64];
    std::snprintf(text, sizeof text, "%.17f", km);
    return text;
}

// A report goes only when the distance is strictly greater than the threshold.
TEST(Polling, ThresholdEqualIsNoReportJustAboveIs) {
    GpsFixState fix;
    fix.GPS_RefLatitude = 48;
    fix.GPS_RefLongitude = 11;
    DecodeGPRMC(kNorth, fix);
    ASSERT_TRUE(ComputeDistanceMoved(fix));
    const double equal = fix.GPS_DistanceMoved;
    for (const auto& [threshold, reported] :
         {std::pair{equal, false}, std::pair{std::nextafter(equal, 0.0), true}}) {
        GpsRig rig;
        ASSERT_EQ(DistanceThresholdKm(ExactText(threshold)), threshold);
        Track(rig, ExactText(threshold), kNorth);
        EXPECT_NE(rig.Sms().DistanceMovedDisplay.Text(), "");
        EXPECT_EQ(!rig.Waiting().empty(), reported) << ExactText(threshold);
    }
}

}  // namespace
}  // namespace shortmsg
