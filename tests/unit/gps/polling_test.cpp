// GPS_Timer1 ticks: the sentence kept and shown, the distance shown, and when a report is
// due.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "gps/rmc.h"
#include "gps/threshold.h"
#include "gps_rig.h"

namespace shortmsg::gpstest {
namespace {

const std::string kGga = "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47\r\n";
const std::string kGsa = "$GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1*39\r\n";

// 0.01 degrees of latitude north of the reference point (48, 11): 1.11317... km.
const std::string kNorth = Rmc("4800.600", "N", "01100.000", "E");
const std::string kOnReference = Rmc("4800.000", "N", "01100.000", "E");

TEST(Polling, KeepsAndShowsTheFirstSentenceOfARead) {
    GpsRig rig;
    const std::string second = Rmc("4800.900", "N", "01100.000", "E");
    rig.GpsTick(kGga + Line(kNorth) + kGsa + Line(second));
    EXPECT_EQ(rig.State().GPS_LastSentence, kNorth);
    EXPECT_EQ(rig.Options().GPS_Window.Text(), kNorth);
    EXPECT_EQ(rig.gps.InBufferCount(), 0);  // the rest of the read is dropped
}

TEST(Polling, SentenceWithoutItsEndIsLostAndNotCompletedLater) {
    GpsRig rig;
    rig.GpsTick(Line(kNorth));
    const std::string next = Line(Rmc("4800.900", "N", "01100.000", "E"));
    rig.GpsTick(kGga + next.substr(0, 30));
    rig.GpsTick(next.substr(30) + kGsa);
    EXPECT_EQ(rig.State().GPS_LastSentence, kNorth);
    EXPECT_EQ(rig.Options().GPS_Window.Text(), kNorth);
}

TEST(Polling, OtherSentenceTypesLeaveTheLastSentence) {
    GpsRig rig;
    rig.GpsTick(Line(kNorth));
    rig.GpsTick(kGga + kGsa);
    EXPECT_EQ(rig.State().GPS_LastSentence, kNorth);
}

TEST(Polling, MultiConstellationTalkerWhenNoGpsTalker) {
    GpsRig rig;
    const std::string gn = Rmc("4800.600", "N", "01100.000", "E", "A", "GNRMC");
    rig.GpsTick(kGga + Line(gn));
    EXPECT_EQ(rig.State().GPS_LastSentence, gn);
    rig.GpsTick(Line(gn) + Line(kOnReference));
    EXPECT_EQ(rig.State().GPS_LastSentence, kOnReference);
}

TEST(Polling, NothingWaitingNothingChanges) {
    GpsRig rig;
    rig.GpsTick(Line(kNorth));
    rig.Gps().GPS_Timer1_Timer();
    EXPECT_EQ(rig.Options().GPS_Window.Text(), kNorth);
}

TEST(Polling, ClosedPortIsOpenedAgain) {
    GpsRig rig;
    rig.gps.Close();
    rig.GpsTick(Line(kNorth));
    EXPECT_TRUE(rig.gps.PortOpen());
    EXPECT_EQ(rig.State().GPS_LastSentence, kNorth);
}

struct TrackCase {
    const char* name;
    std::string threshold;
    std::string sentence;
    bool displayed;  // DistanceMovedDisplay shows the distance
    bool reported;
};

void PrintTo(const TrackCase& c, std::ostream* os) {
    *os << c.name;
}

class Tracking : public ::testing::TestWithParam<TrackCase> {};

TEST_P(Tracking, ShowsAndReports) {
    const auto& c = GetParam();
    GpsRig rig;
    rig.Options().SBM_Enabled.SetChecked(true);
    rig.State().GPS_DistanceThreshold = c.threshold;
    rig.State().GPS_RefLatitude = 48;
    rig.State().GPS_RefLongitude = 11;
    rig.GpsTick(kGga + Line(c.sentence));

    EXPECT_EQ(rig.Options().GPS_Window.Text(), c.sentence);
    const std::string& shown = rig.Sms().DistanceMovedDisplay.Text();
    if (c.displayed) {
        EXPECT_EQ(shown.substr(0, 7), "1.11317");
        EXPECT_NEAR(std::stod(shown), rig.State().GPS_DistanceMoved, 1e-12);
    } else {
        EXPECT_EQ(shown, "");
    }
    EXPECT_EQ(rig.Waiting(), c.reported ? "AT+SBDWT=" + c.sentence + "\r\nAT+SBDI\r\n" : "");
    EXPECT_DOUBLE_EQ(rig.State().GPS_RefLatitude, c.reported ? 48.01 : 48);
}

INSTANTIATE_TEST_SUITE_P(
    Polling, Tracking,
    ::testing::Values(TrackCase{"Above", "0.5", kNorth, true, true},
                      TrackCase{"Below", "2", kNorth, true, false},
                      TrackCase{"ThresholdZeroIsOff", "0", kNorth, false, false},
                      TrackCase{"ThresholdEmptyIsOff", "", kNorth, false, false},
                      TrackCase{"ThresholdZeroPointZeroIsOff", "0.0", kNorth, false, false},
                      TrackCase{"ThresholdNegativeIsOff", "-1", kNorth, false, false},
                      TrackCase{"ThresholdExponentIsOff", "1e-9", kNorth, false, false},
                      TrackCase{"ThresholdNanIsOff", "nan", kNorth, false, false},
                      TrackCase{"ThresholdHexIsOff", "0x10", kNorth, false, false},
                      TrackCase{"VoidFix", "0.5", Rmc("4800.600", "N", "01100.000", "E", "V"),
                                false, false},
                      TrackCase{"OnTheReferencePoint", "0.5", kOnReference, false, false},
                      TrackCase{"MultiConstellation", "0.5",
                                Rmc("4800.600", "N", "01100.000", "E", "A", "GNRMC"), true, true}));

// The threshold as text that reads back as exactly `km`.
std::string ExactText(double km) {
    char text[64];
    std::snprintf(text, sizeof text, "%.17f", km);
    return text;
}

double DistanceTo(const std::string& sentence, double refLat, double refLon) {
    GpsFixState fix;
    fix.GPS_RefLatitude = refLat;
    fix.GPS_RefLongitude = refLon;
    DecodeGPRMC(sentence, fix);
    ComputeDistanceMoved(fix);
    return fix.GPS_DistanceMoved;
}

struct EdgeCase {
    const char* name;
    int ulpsBelow;  // the threshold lies this many representable steps below the distance
    bool reported;
};

void PrintTo(const EdgeCase& c, std::ostream* os) {
    *os << c.name;
}

class ThresholdEdge : public ::testing::TestWithParam<EdgeCase> {};

TEST_P(ThresholdEdge, ReportsOnlyWhenStrictlyFarther) {
    GpsRig rig;
    rig.Options().SBM_Enabled.SetChecked(true);
    double threshold = DistanceTo(kNorth, 48, 11);
    for (int i = 0; i < GetParam().ulpsBelow; ++i) threshold = std::nextafter(threshold, 0.0);
    rig.State().GPS_DistanceThreshold = ExactText(threshold);
    ASSERT_EQ(DistanceThresholdKm(rig.State().GPS_DistanceThreshold), threshold);
    rig.State().GPS_RefLatitude = 48;
    rig.State().GPS_RefLongitude = 11;
    rig.GpsTick(Line(kNorth));
    EXPECT_NE(rig.Sms().DistanceMovedDisplay.Text(), "");
    EXPECT_EQ(!rig.Waiting().empty(), GetParam().reported);
}

INSTANTIATE_TEST_SUITE_P(Polling, ThresholdEdge,
                         ::testing::Values(EdgeCase{"Equal", 0, false},
                                           EdgeCase{"JustAbove", 1, true}));

TEST(Polling, ReferencePointMovesWithEachReport) {
    GpsRig rig;
    rig.Options().SBM_Enabled.SetChecked(true);
    rig.State().GPS_DistanceThreshold = "1";
    rig.State().GPS_RefLatitude = 48;
    rig.State().GPS_RefLongitude = 11;
    // 1.11 km from (48, 11): report, and the reference point moves to 48.01.
    rig.GpsTick(Line(kNorth));
    EXPECT_DOUBLE_EQ(rig.State().GPS_RefLatitude, 48.01);
    rig.AnswerModem();
    // 0.56 km on from 48.01 (1.67 km from the old point): nothing.
    rig.GpsTick(Line(Rmc("4800.900", "N", "01100.000", "E")));
    EXPECT_EQ(rig.Waiting(), "");
    EXPECT_EQ(rig.Sms().DistanceMovedDisplay.Text().substr(0, 6), "0.5565");
    // 1.11 km on from 48.01: report.
    const std::string farther = Rmc("4801.200", "N", "01100.000", "E");
    rig.GpsTick(Line(farther));
    EXPECT_EQ(rig.Waiting(), "AT+SBDWT=" + farther + "\r\nAT+SBDI\r\n");
    EXPECT_DOUBLE_EQ(rig.State().GPS_RefLatitude, 48.02);
}

}  // namespace
}  // namespace shortmsg::gpstest
