// StoreRxGPSPosition: the four files per received position, failures in the error box.
#include <gtest/gtest.h>

#include <string>

#include "gps_rig.h"

namespace shortmsg::gpstest {
namespace {

const std::string kMunich = "GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A";
const std::string kSydney = "GPRMC,001031,A,3352.000,S,15112.000,E,0.0,0.0,101221,,*00";

TEST(Logs, NewSenderGetsItsTwoFiles) {
    GpsRig rig;
    rig.Gps().StoreRxGPSPosition(kMunich, "123");
    EXPECT_EQ(rig.files.content["GPS_info/GPS_info123.txt"],
              "\"123_123519\",48.1173,11.5166666666667\r\n");
    EXPECT_EQ(rig.files.content["GPS_info/GPS_Flag123.txt"], "\"$" + kMunich + "\"\r\n");
    EXPECT_EQ(rig.files.content["GPSS/GPSS.LLD"], "$" + kMunich + "\r\n");
    EXPECT_EQ(rig.files.content["GPSS/GPSS.LLF"], "\"$" + kMunich + "\"\r\n");
    EXPECT_EQ(rig.files.order,
              (std::vector<std::string>{"GPS_info/GPS_info123.txt", "GPS_info/GPS_Flag123.txt",
                                        "GPSS/GPSS.LLD", "GPSS/GPSS.LLF"}));
    EXPECT_TRUE(rig.errorBox.texts.empty());
}

TEST(Logs, TwoSendersLatestHoldsTheSecondHistoryBoth) {
    GpsRig rig;
    rig.Gps().StoreRxGPSPosition(kMunich, "123");
    rig.Gps().StoreRxGPSPosition(kSydney, "456");
    rig.Gps().StoreRxGPSPosition(kSydney, "123");
    EXPECT_EQ(rig.files.content.size(), 6u);
    EXPECT_EQ(rig.files.content["GPS_info/GPS_info123.txt"],
              "\"123_123519\",48.1173,11.5166666666667\r\n"
              "\"123_001031\",-33.8666666666667,151.2\r\n");
    EXPECT_EQ(rig.files.content["GPS_info/GPS_info456.txt"],
              "\"456_001031\",-33.8666666666667,151.2\r\n");
    EXPECT_EQ(rig.files.content["GPS_info/GPS_Flag456.txt"], "\"$" + kSydney + "\"\r\n");
    EXPECT_EQ(rig.files.content["GPSS/GPSS.LLD"], "$" + kSydney + "\r\n");
    EXPECT_EQ(rig.files.content["GPSS/GPSS.LLF"],
              "\"$" + kMunich + "\"\r\n\"$" + kSydney + "\"\r\n\"$" + kSydney + "\"\r\n");
}

struct FailCase {
    const char* name;
    std::vector<std::string> failing;
};

void PrintTo(const FailCase& c, std::ostream* os) {
    *os << c.name;
}

class FailingFile : public ::testing::TestWithParam<FailCase> {};

// Each failing file is reported once; the others are still written.
TEST_P(FailingFile, IsReportedAndTheOthersAreWritten) {
    const auto& c = GetParam();
    GpsRig rig;
    for (const auto& path : c.failing) rig.files.failing.insert(path);
    rig.Gps().StoreRxGPSPosition(kMunich, "123");

    std::vector<std::string> expectedTexts;
    for (const auto& path : c.failing) {
        expectedTexts.push_back("Position log not written: cannot write " + path);
    }
    EXPECT_EQ(rig.errorBox.texts, expectedTexts);
    EXPECT_EQ(rig.files.order.size(), 4 - c.failing.size());
    EXPECT_EQ(rig.Sms().ErrorBlink, !c.failing.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Logs, FailingFile,
    ::testing::Values(FailCase{"None", {}}, FailCase{"PositionLog", {"GPS_info/GPS_info123.txt"}},
                      FailCase{"Latest", {"GPSS/GPSS.LLD"}},
                      FailCase{"SharedFolder", {"GPSS/GPSS.LLD", "GPSS/GPSS.LLF"}},
                      FailCase{"All",
                               {"GPS_info/GPS_info123.txt", "GPS_info/GPS_Flag123.txt",
                                "GPSS/GPSS.LLD", "GPSS/GPSS.LLF"}}));

// The received sentence is decoded on its own: the unit's fix stays, and a void received
// sentence logs no position instead of the unit's.
TEST(Logs, ReceivedSentenceLeavesTheUnitsFixAlone) {
    GpsRig rig;
    rig.GpsTick(Line(Rmc("4800.600", "N", "01100.000", "E")));
    rig.State().GPS_DistanceThreshold = std::string("5");
    rig.GpsTick(Line(Rmc("4800.600", "N", "01100.000", "E")));
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
}  // namespace shortmsg::gpstest
