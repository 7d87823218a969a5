// The modem link core driven directly, for what the golden scenarios under
// tests/scenarios/link cannot show: a device path in the port box, every way a message can
// be dropped, and the bound on the receive buffer.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "support/terminal_rig.h"

namespace shortmsg {
namespace {

using testing::TerminalRig;

TEST(StartUp, APortBoxHoldingADevicePathOpensThatDevice) {
    TerminalRig rig;
    rig.Options().RadioSerialPortNumber.SetText("/dev/ttyUSB0");
    rig.Start();
    EXPECT_TRUE(rig.box.shown.empty());
    EXPECT_EQ(rig.modem.CommPort(), "/dev/ttyUSB0");
    EXPECT_EQ(rig.TakeWrites(), "AT\r\n");
}

// A message given up after three resends, or dropped by the sanity reset, is reported as
// not sent (the golden scenarios link/resend_message_given_up and
// link/sanity_reset_drops_message show the SMS body and "AT+CMGS=" cases whole).
TEST(DroppedMessage, IsReportedAsNotSent) {
    const auto giveUp = [](const std::string& command) {
        return [command](SMS& sms) {
            sms.LastCommandSent = command;
            sms.ResendCount = 3;
            sms.ResponseTimedOut = true;
            sms.ServiceSerialPortMSComm1Timer_Timer();
        };
    };
    const std::pair<const char*, std::function<void(SMS&)>> cases[] = {
        {"SMS body given up", giveUp("0011000C914477000910320000AA05E8329BFD06\x1A\r\n")},
        {"AT+SBDWT= given up", giveUp("AT+SBDWT=hello\r\n")},
        {"AT+SBDI given up", giveUp("AT+SBDI\r\n")},
        {"AT+SBDWT= dropped by the reset",
         [](SMS& sms) {
             sms.QueueSbdMessage("position");
             sms.SanityTimer_Timer();
         }},
    };
    for (const auto& [what, drop] : cases) {
        TerminalRig rig;
        SMS& sms = rig.Start();
        drop(sms);
        EXPECT_TRUE(sms.ErrorBlink) << what;
        EXPECT_NE(sms.ErrorMessageWindow.Text().find("not sent"), std::string::npos) << what;
    }
}

// The reset drops a queued "AT+CMGS=": a ">" that comes later (here inside a phone-book
// name cut at the end of a chunk) is no prompt, and the line is read whole next tick.
TEST(Sanity, AResetStopsWaitingForThePromptOfADroppedMessage) {
    TerminalRig rig;
    SMS& sms = rig.Start();
    sms.QueueSmsSubmit("0011000C914477000910320000AA05E8329BFD06");
    sms.SanityTimer_Timer();
    rig.TakeWrites();
    rig.ModemSays("\r\n+CPBR: 2,\"1234\",129,\"<Bob>");
    rig.Tick();
    EXPECT_FALSE(sms.PromptReceived);
    rig.ModemSays("\"\r\n");
    rig.Tick();
    ASSERT_EQ(sms.PhoneBook.ListCount(), 1);  // cut at its LF, the line keeps its CR
    EXPECT_EQ(sms.PhoneBook.Items()[0], "\"<Bob>\"\r");
}

TEST(ServiceLoop, TextWithoutLineEndsStaysWithinTheBufferBound) {
    TerminalRig rig;
    SMS& sms = rig.Start();
    for (int i = 0; i < 40; ++i) {
        rig.ModemSays(std::string(8192, 'y'));
        rig.Tick();
    }
    EXPECT_LE(sms.RxModemBuffer.size() - static_cast<size_t>(sms.RxLineStart - 1), 64u * 1024);
    rig.ModemSays("\r\nOK\r\n");
    rig.Tick();
    EXPECT_EQ(rig.TakeWrites(), "AT\r\nAT+CMEE=2\r\n");
}

}  // namespace
}  // namespace shortmsg
