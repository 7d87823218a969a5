// GPS_LocationUpdateTimer ticks in what the golden scenarios gps/timed_reports and
// timed_windows do not reach (they run windows in the past, in the future, open, with
// start after stop, reports at the start and at the stop, by SMS and short burst data).
#include <gtest/gtest.h>

#include <string>

#include "support/terminal_rig.h"

namespace shortmsg {
namespace {

using namespace testing;

const std::string kCommand = "GPSquery:0,0,60,0,2000-01-01 00:00:00,2000-01-01 00:00:00,";

// A window of one second, start equal to stop: the tick at that second reports, and the
// timer goes on.
TEST(Timed, StartEqualToStopIsAWindowOfOneMoment) {
    GpsRig rig;
    rig.Options().SBM_Enabled.SetChecked(true);
    const std::string sentence = Rmc("4800.600", "N", "01100.000", "E");
    rig.GpsTick(Line(sentence));
    rig.Message(kCommand, Channel::ShortBurst, rig.Sms().FromAddress.Text());
    rig.Gps().GPS_LocationUpdateTimer_Timer();
    EXPECT_EQ(rig.Waiting(), "AT+SBDWT=" + sentence + "\r\nAT+SBDI\r\n");
    EXPECT_TRUE(rig.Options().GPS_LocationUpdateTimer.Enabled());
}

TEST(Timed, SendsTheSentenceAsItIsEmptyOrVoid) {
    GpsRig rig;
    rig.Options().SBM_Enabled.SetChecked(true);
    rig.Message(kCommand, Channel::ShortBurst, rig.Sms().FromAddress.Text());
    rig.Gps().GPS_LocationUpdateTimer_Timer();
    EXPECT_EQ(rig.Waiting(), "AT+SBDWT=\r\nAT+SBDI\r\n");
    rig.AnswerModem();
    const std::string voidFix = Rmc("4800.600", "N", "01100.000", "E", "V");
    rig.GpsTick(Line(voidFix));
    rig.Gps().GPS_LocationUpdateTimer_Timer();
    EXPECT_EQ(rig.Waiting(), "AT+SBDWT=" + voidFix + "\r\nAT+SBDI\r\n");
}

}  // namespace
}  // namespace shortmsg
