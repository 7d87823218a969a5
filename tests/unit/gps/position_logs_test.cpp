// StoreRxGPSPosition beyond what the golden scenarios gps/logs (new and second senders,
// byte-exact records) and logs_unwritable (one failing file) show.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/terminal_rig.h"

namespace shortmsg {
namespace {

using namespace testing;

const std::string kMunich = "GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A";

// Each failing file is reported once; the others are still written.
TEST(Logs, EveryFailingFileIsReportedOnce) {
    GpsRig rig;
    rig.files.failing = {"GPSS/GPSS.LLD", "GPSS/GPSS.LLF"};
    rig.Gps().StoreRxGPSPosition(kMunich, "123");
    EXPECT_EQ(rig.errorBox.texts,
              (std::vector<std::string>{"Position log not written: cannot write GPSS/GPSS.LLD",
                                        "Position log not written: cannot write GPSS/GPSS.LLF"}));
    EXPECT_EQ(rig.files.order,
              (std::vector<std::string>{"GPS_info/GPS_info123.txt", "GPS_info/GPS_Flag123.txt"}));
    EXPECT_TRUE(rig.Sms().ErrorBlink);
}

// The received sentence is decoded on its own: the unit's fix stays, and a void received
// sentence logs no position instead of the unit's.
TEST(Logs, AReceivedSentenceLeavesTheUnitsFixAlone) {
    GpsRig rig;
    rig.State().GPS_DistanceThreshold = std::string("5");  // (a bare literal trips g++ 12)
    rig.GpsTick(Line(kMunich));
    const GpsFixState before = rig.State();
    ASSERT_TRUE(before.GPS_FixValid);

    rig.Gps().StoreRxGPSPosition("GPRMC,235959,V,,,,,,,,,,N*53", "77");
    EXPECT_EQ(rig.files.content["GPS_info/GPS_info77.txt"], "\"77_235959\",,\r\n");
    EXPECT_EQ(rig.State().GPS_FixTime, before.GPS_FixTime);
    EXPECT_EQ(rig.State().GPS_FixValid, before.GPS_FixValid);
    EXPECT_EQ(rig.State().GPS_Latitude, before.GPS_Latitude);
    EXPECT_EQ(rig.State().GPS_Longitude, before.GPS_Longitude);
}

}  // namespace
}  // namespace shortmsg
