// The bound on the waits inside a service tick for the rest of a reply. Reading messages,
// status reports and short burst text whole, late and never are golden scenarios under
// tests/scenarios/messages (receive_*, status_report, sbd_remote_text).
#include <gtest/gtest.h>

#include <string>

#include "link/dispatch.h"
#include "support/terminal_rig.h"

namespace shortmsg {
namespace {

using testing::TerminalRig;

// A started terminal whose modem has answered everything queued so far.
struct Rig : TerminalRig {
    Rig() : sms(Start()) { TakeWrites(); }
    SMS& sms;
};

TEST(ReplyWait, ALineEndAtTheBoundStillCountsOneLaterDoesNot) {
    struct Case {
        int laterMs;
        std::string shown;
        bool error;
    };
    const Case cases[] = {
        {2000, "New SBM: GPSquery:1", false},
        {2001, "", true},
    };
    for (const auto& c : cases) {
        Rig rig;
        rig.Options().SBM_Enabled.SetChecked(true);
        const auto start = rig.clock.NowMs();
        rig.ModemSays("\r\n+SBDRT:\r\nGPSquery:");
        rig.modem.ArriveAt(start + c.laterMs, "1\r\nOK\r\n");
        rig.Tick();
        EXPECT_EQ(rig.sms.MTDisplayWindow.Text(), c.shown) << c.laterMs;
        EXPECT_EQ(rig.sms.ErrorBlink, c.error) << c.laterMs;
        EXPECT_EQ(rig.TakeWrites(), "AT+CMEE=2\r\n") << c.laterMs;  // "+SBDRT:" answered
    }
}

TEST(ReplyWait, TheReceiveBufferStaysWithinItsBound) {
    Rig rig;
    const auto start = rig.clock.NowMs();
    const std::string noise(kReceiveBufferLimit - 100, 'x');
    rig.ModemSays("+CMGR: 0,,23\r\n");
    rig.modem.ArriveAt(start + 10, "0" + noise);  // a "0" and no CR: never a whole PDU
    rig.modem.ArriveAt(start + 20, noise);
    rig.Tick();
    EXPECT_LE(rig.sms.RxModemBuffer.size(), kReceiveBufferLimit);
    EXPECT_EQ(rig.sms.ErrorMessageWindow.Text(),
              "Message not read! The modem did not send the whole PDU.");
    EXPECT_LT(rig.clock.NowMs(), start + 2000);  // gave up when the buffer was full
}

}  // namespace
}  // namespace shortmsg
