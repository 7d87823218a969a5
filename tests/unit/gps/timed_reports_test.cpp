// GPS_LocationUpdateTimer: reports inside the window (both ends included), nothing before
// it, and the timer stopping itself after it.
#include <gtest/gtest.h>

#include <string>

#include "gps_rig.h"

namespace shortmsg::gpstest {
namespace {

const std::string kSentence = Rmc("4800.600", "N", "01100.000", "E");
const std::string kReport = "AT+SBDWT=" + kSentence + "\r\nAT+SBDI\r\n";

DateTime At(int h, int m, int s) {
    return FromCivil(CivilTime{2024, 6, 1, h, m, s});
}

struct WindowCase {
    const char* name;
    DateTime start, stop, now;
    bool sent;
    bool stillRunning;
};

void PrintTo(const WindowCase& c, std::ostream* os) {
    *os << c.name;
}

class Window : public ::testing::TestWithParam<WindowCase> {};

TEST_P(Window, DecidesOneTick) {
    const auto& c = GetParam();
    GpsRig rig;
    rig.Options().SBM_Enabled.SetChecked(true);
    rig.GpsTick(Line(kSentence));
    rig.Gps().GPSQueryFromSBM(std::string("GPSquery:0,0,60,0,") + ToIsoText(c.start) + "," +
                              ToIsoText(c.stop) + ",");
    ASSERT_TRUE(rig.Options().GPS_LocationUpdateTimer.Enabled());
    rig.clock.SetLocalTime(c.now);
    rig.Gps().GPS_LocationUpdateTimer_Timer();
    EXPECT_EQ(rig.Waiting(), c.sent ? kReport : "");
    EXPECT_EQ(rig.Options().GPS_LocationUpdateTimer.Enabled(), c.stillRunning);
}

INSTANTIATE_TEST_SUITE_P(
    Timed, Window,
    ::testing::Values(
        WindowCase{"Inside", At(8, 0, 0), At(9, 0, 0), At(8, 30, 0), true, true},
        WindowCase{"AtTheStart", At(8, 0, 0), At(9, 0, 0), At(8, 0, 0), true, true},
        WindowCase{"AtTheStop", At(8, 0, 0), At(9, 0, 0), At(9, 0, 0), true, true},
        WindowCase{"StartEqualsStop", At(8, 0, 0), At(8, 0, 0), At(8, 0, 0), true, true},
        WindowCase{"BeforeTheStart", At(8, 0, 0), At(9, 0, 0), At(7, 59, 59), false, true},
        WindowCase{"AfterTheStop", At(8, 0, 0), At(9, 0, 0), At(9, 0, 1), false, false},
        WindowCase{"StartAfterStopBetween", At(9, 0, 0), At(8, 0, 0), At(8, 30, 0), false, true},
        WindowCase{"StartAfterStopLater", At(9, 0, 0), At(8, 0, 0), At(9, 0, 0), false, false}));

struct ChannelCase {
    const char* name;
    bool queryBySms;
    bool sbmEnabledAtTick;
    bool expectShortBurst;
};

class TimedChannel : public ::testing::TestWithParam<ChannelCase> {};

// Reports follow "SBM Enabled" at the moment of each tick, whatever the command came by.
TEST_P(TimedChannel, FollowsSbmEnabledAtTheTick) {
    const auto& c = GetParam();
    GpsRig rig;
    rig.GpsTick(Line(kSentence));
    const std::string command = "GPSquery:0,0,60,0,2000-01-01 00:00:00,2000-01-01 01:00:00,";
    if (c.queryBySms) {
        rig.terminal.ReceivedMessageText = command;
        rig.Gps().GPSQueryFromSMS();
    } else {
        rig.Gps().GPSQueryFromSBM(command);
    }
    rig.Options().SBM_Enabled.SetChecked(c.sbmEnabledAtTick);
    rig.Gps().GPS_LocationUpdateTimer_Timer();
    EXPECT_EQ(rig.Waiting().starts_with("AT+SBDWT="), c.expectShortBurst) << rig.Waiting();
    EXPECT_EQ(rig.Waiting().starts_with("AT+CMGS="), !c.expectShortBurst) << rig.Waiting();
}

INSTANTIATE_TEST_SUITE_P(Timed, TimedChannel,
                         ::testing::Values(ChannelCase{"SmsQuerySbmOn", true, true, true},
                                           ChannelCase{"SmsQuerySbmOff", true, false, false},
                                           ChannelCase{"SbmQuerySbmOn", false, true, true},
                                           ChannelCase{"SbmQuerySbmOff", false, false, false}));

TEST(Timed, SendsTheSentenceAsItIsVoidOrEmpty) {
    GpsRig rig;
    rig.Options().SBM_Enabled.SetChecked(true);
    rig.Gps().GPSQueryFromSBM("GPSquery:0,0,60,0,2000-01-01 00:00:00,2000-01-01 01:00:00,");
    rig.Gps().GPS_LocationUpdateTimer_Timer();
    EXPECT_EQ(rig.Waiting(), "AT+SBDWT=\r\nAT+SBDI\r\n");
    rig.AnswerModem();
    const std::string voidFix = Rmc("4800.600", "N", "01100.000", "E", "V");
    rig.GpsTick(Line(voidFix));
    rig.Gps().GPS_LocationUpdateTimer_Timer();
    EXPECT_EQ(rig.Waiting(), "AT+SBDWT=" + voidFix + "\r\nAT+SBDI\r\n");
}

// The whole run on the clock, the modem answering: interval 60 s in a window that is
// open when the command comes and closes 150 s later.
TEST(Timed, OneReportPerIntervalThenTheTimerStops) {
    GpsRig rig;
    rig.Options().SBM_Enabled.SetChecked(true);
    rig.GpsTick(Line(kSentence));
    rig.AnswerAsTheClockRuns();
    rig.clock.RunUntil(1000);
    rig.clock.SetLocalTime(At(8, 0, 0));
    rig.Gps().GPSQueryFromSBM("GPSquery:0,0,60,0,06/01/24 08:00:00 am,06/01/24 08:02:30 am,");
    rig.timedWrites.clear();
    rig.clock.RunUntil(1000 + 400000);

    std::vector<VirtualClock::Ms> reports;
    for (const auto& [at, bytes] : rig.timedWrites) {
        if (bytes.starts_with("AT+SBDWT=")) {
            EXPECT_EQ(bytes, "AT+SBDWT=" + kSentence + "\r\n");
            reports.push_back(at);
        }
    }
    // Not at once: one interval after the command, then each interval, while inside.
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_GE(reports[0], 61000);
    EXPECT_LE(reports[0], 61000 + 400);
    EXPECT_GE(reports[1], 121000);
    EXPECT_LE(reports[1], 121000 + 400);
    EXPECT_FALSE(rig.Options().GPS_LocationUpdateTimer.Enabled());
}

TEST(Timed, WindowInThePastStopsAtTheFirstTick) {
    GpsRig rig;
    rig.Options().SBM_Enabled.SetChecked(true);
    rig.GpsTick(Line(kSentence));
    rig.AnswerAsTheClockRuns();
    rig.clock.SetLocalTime(At(8, 0, 0));
    rig.Gps().GPSQueryFromSBM("GPSquery:0,0,60,0,06/01/24 07:00:00 am,06/01/24 07:30:00 am,");
    rig.timedWrites.clear();
    rig.clock.RunUntil(59000);
    EXPECT_TRUE(rig.Options().GPS_LocationUpdateTimer.Enabled());
    rig.clock.RunUntil(61000);
    EXPECT_FALSE(rig.Options().GPS_LocationUpdateTimer.Enabled());
    for (const auto& [at, bytes] : rig.timedWrites) EXPECT_FALSE(bytes.starts_with("AT+SBDWT="));
}

}  // namespace
}  // namespace shortmsg::gpstest
