// The modem link core driven directly: start-up, line cutting, the pump, resends, sanity
// and quit, with the modem dialogues the terminal meets.
#include <gtest/gtest.h>

#include "link/at_commands.h"
#include "support/terminal_rig.h"

namespace shortmsg {
namespace {

using testing::TerminalRig;

constexpr char kInitQueue[] =
    "AT\r\nAT+CMEE=2\r\nAT+CSMS?\r\nAT+CPMS?\r\nAT+CNMI=1,1,0,0,0\r\nAT+CPBS=\"SM\"\r\n"
    "AT+CPBS?\r\nAT+CPBR=?\r\n";

TEST(StartUp, WritesAtAndQueuesTheInitialisationList) {
    TerminalRig rig;
    rig.ModemSays("garbage waiting before start\r\nOK\r\n");
    SMS& sms = rig.Start();
    EXPECT_EQ(rig.TakeWrites(), "AT\r\n");
    EXPECT_EQ(sms.TxModemBuffer, kInitQueue);
    EXPECT_EQ(sms.TxCommandEnd, 3);
    EXPECT_EQ(sms.LastCommandSent, "AT\r\n");
    EXPECT_EQ(sms.QuickSMS_Combo1.ListCount(), 5);
    EXPECT_TRUE(sms.ResponseTimeOutTimer.Enabled());
    EXPECT_EQ(sms.SanityTimer.Interval(), 20000);
    rig.Tick();  // the input waiting before start was discarded: nothing answers "AT"
    EXPECT_EQ(rig.TakeWrites(), "");
}

TEST(StartUp, PortBoxTextThatNamesNoPortShowsTheMessageAndQueuesNothing) {
    struct Case {
        std::string portText;
        bool absent;
        std::string message;
    };
    const Case cases[] = {
        {"3", true, "COM3 not available. Change the CommPort property to another port."},
        {"abc", false, "COMabc not available. Change the CommPort property to another port."},
        {"", false, "COM not available. Change the CommPort property to another port."},
    };
    for (const auto& c : cases) {
        TerminalRig rig;
        if (c.absent) rig.ports.SetPresent(c.portText, false);
        rig.terminal.Options().RadioSerialPortNumber.SetText(c.portText);
        SMS& sms = rig.Start();
        ASSERT_EQ(rig.box.shown.size(), 1u) << c.portText;
        EXPECT_EQ(rig.box.shown[0], c.message);
        EXPECT_EQ(rig.TakeWrites(), "");
        EXPECT_EQ(sms.TxModemBuffer, "");
        EXPECT_FALSE(sms.ServiceSerialPortMSComm1Timer.Enabled());
    }
}

TEST(StartUp, APortBoxHoldingADevicePathOpensThatDevice) {
    TerminalRig rig;
    rig.terminal.Options().RadioSerialPortNumber.SetText("/dev/ttyUSB0");
    rig.Start();
    EXPECT_TRUE(rig.box.shown.empty());
    EXPECT_EQ(rig.modem.CommPort(), "/dev/ttyUSB0");
    EXPECT_EQ(rig.TakeWrites(), "AT\r\n");
}

// Each row: what arrives in successive ticks, and what the modem gets written meanwhile.
struct Dialogue {
    const char* name;
    std::vector<std::string> chunks;
    std::string written;
};

TEST(ServiceLoop, CutsLinesAndPumpsOneCommandPerAnswer) {
    const Dialogue cases[] = {
        {"OK split over two ticks", {"\r\nO", "K\r\n"}, "AT+CMEE=2\r\n"},
        {"two answers in one tick release once", {"\r\nOK\r\n\r\nOK\r\n", ""}, "AT+CMEE=2\r\n"},
        {"OK with LF only", {"OK\n"}, "AT+CMEE=2\r\n"},
        {"an echo line matches nothing", {"AT\r\r\n"}, ""},
        {"ERROR writes AT outside the queue", {"\r\nERROR\r\n"}, "AT\r\n"},
        {"ERROR then its OK releases", {"\r\nERROR\r\n", "\r\nOK\r\n"}, "AT\r\nAT+CMEE=2\r\n"},
        {"+CMS ERROR after a command does not release", {"\r\n+CMS ERROR: 500\r\n"}, ""},
    };
    for (const auto& c : cases) {
        TerminalRig rig;
        rig.Start();
        rig.TakeWrites();
        for (const auto& chunk : c.chunks) {
            rig.ModemSays(chunk);
            rig.Tick();
        }
        EXPECT_EQ(rig.TakeWrites(), c.written) << c.name;
    }
}

TEST(ServiceLoop, ErrorLinesShowTheirText) {
    struct Case {
        std::string line;
        std::string shown;
    };
    const Case cases[] = {
        {"\r\n+CME ERROR: SIM not inserted\r\n", "ERROR: SIM not inserted"},
        {"\r\n+CMS ERROR: 322\r\n", "!!! CMS ERROR:Memory full !!! "},
        {"\r\n+CMS ERROR: 500\r\n", "!!! CMS ERROR: 500 !!! "},
        {"\r\n+CMS ERROR: Invalid PDU mode parameter\r\n",
         "!!! CMS ERROR: Invalid PDU mode parameter !!! "},
    };
    for (const auto& c : cases) {
        TerminalRig rig;
        SMS& sms = rig.Start();
        rig.ModemSays(c.line);
        rig.Tick();
        EXPECT_EQ(sms.ErrorMessageWindow.Text(), c.shown) << c.line;
        EXPECT_TRUE(sms.ErrorBlink);
    }
}

TEST(ServiceLoop, ALoneCrPastTheCompactionPointEndsTheTick) {
    TerminalRig rig;
    SMS& sms = rig.Start();
    rig.TakeWrites();
    rig.ModemSays(std::string(900, 'x') + "\r");
    rig.Tick();  // must return
    rig.ModemSays("\nOK\r\n");
    rig.Tick();
    EXPECT_EQ(rig.TakeWrites(), "AT+CMEE=2\r\n");
    EXPECT_LT(sms.RxModemBuffer.size(), 900u);
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

TEST(ServiceLoop, ThreeResendsThenTheCommandIsGivenUp) {
    TerminalRig rig;
    SMS& sms = rig.Start();
    rig.TakeWrites();
    for (int i = 0; i < 3; ++i) {
        sms.ResponseTimeOutTimer_Timer();
        rig.Tick();
        EXPECT_EQ(rig.TakeWrites(), "AT\r\n") << "resend " << i + 1;
    }
    sms.ResponseTimeOutTimer_Timer();
    rig.Tick();  // given up: released, the next command goes at the following tick
    EXPECT_EQ(rig.TakeWrites(), "");
    EXPECT_EQ(sms.ResendCount, 0);
    rig.Tick();
    EXPECT_EQ(rig.TakeWrites(), "AT+CMEE=2\r\n");
    EXPECT_FALSE(sms.ErrorBlink);  // no message was in flight
}

TEST(ServiceLoop, AGivenUpMessageIsReportedAsNotSent) {
    const std::string inFlight[] = {"0011000C914477000910320000AA05E8329BFD06\x1A\r\n",
                                    "AT+SBDWT=hello\r\n", "AT+SBDI\r\n"};
    for (const auto& command : inFlight) {
        TerminalRig rig;
        SMS& sms = rig.Start();
        sms.LastCommandSent = command;
        sms.ResendCount = 3;
        sms.ResponseTimedOut = true;
        rig.Tick();
        EXPECT_TRUE(sms.ErrorBlink) << command;
        EXPECT_NE(sms.ErrorMessageWindow.Text().find("not sent"), std::string::npos);
    }
}

TEST(Sanity, AHealthyModemGetsItsSettingsRefreshed) {
    for (bool registered : {false, true}) {
        TerminalRig rig;
        SMS& sms = rig.Start();
        sms.Options().RegisteredSM.SetChecked(registered);
        sms.ModemResponding = true;
        sms.TxModemBuffer = "AT\r\n";
        sms.SanityTimer_Timer();
        EXPECT_EQ(sms.TxModemBuffer,
                  std::string("AT\r\nAT+CSMS?\r\n") +
                      (registered ? "AT+CNMI=1,1,0,1,0\r\n" : "AT+CNMI=1,1,0,0,0\r\n"));
        EXPECT_FALSE(sms.ModemResponding);
    }
}

TEST(Sanity, ASilentModemIsResetAndADroppedMessageReported) {
    TerminalRig rig;
    SMS& sms = rig.Start();
    rig.TakeWrites();
    sms.QueueSbdMessage("position");
    sms.MO_Supported.SetFillColor(kGreen);
    sms.SanityTimer_Timer();
    EXPECT_EQ(rig.TakeWrites(), "ATZ\r\n");
    EXPECT_EQ(sms.TxModemBuffer,
              "AT\r\nAT\r\nAT+CSMS?\r\nAT+CPMS?\r\nAT+CNMI=1,1,0,0,0\r\nAT+CPBS=\"SM\"\r\n"
              "AT+CPBS?\r\nAT+CPBR=?\r\n");
    EXPECT_EQ(sms.TxCommandEnd, 3);
    EXPECT_EQ(sms.MO_Supported.FillColor(), kRed);
    EXPECT_NE(sms.ErrorMessageWindow.Text().find("not sent"), std::string::npos);
}

TEST(Sanity, AClosedPortDropsWritesAndIsOpenedAgainByTheNextCheck) {
    TerminalRig rig;
    SMS& sms = rig.Start();
    rig.TakeWrites();
    sms.MSComm1.Close();
    sms.ResponseTimeOutTimer_Timer();
    rig.Tick();  // the resend goes to a closed port: dropped, nothing ends
    EXPECT_EQ(rig.TakeWrites(), "");
    sms.SanityTimer_Timer();
    EXPECT_TRUE(sms.MSComm1.PortOpen());
    EXPECT_EQ(rig.TakeWrites(), "ATZ\r\n");
}

TEST(Quit, ClosesThePortStopsTheTimersAndEnds) {
    TerminalRig rig;
    SMS& sms = rig.Start();
    sms.QueueCommand("AT+CMGS=20");
    sms.QuitButton.Press();
    EXPECT_TRUE(rig.end.ended);
    EXPECT_FALSE(sms.MSComm1.PortOpen());
    for (const Timer* t : {&sms.ResponseTimeOutTimer, &sms.ServiceSerialPortMSComm1Timer,
                           &sms.SanityTimer, &sms.OneHalfSecondTimer}) {
        EXPECT_FALSE(t->Enabled()) << t->Name();
    }
}

}  // namespace
}  // namespace shortmsg
