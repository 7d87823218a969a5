// The reply handlers driven through the service loop on virtual time: reading a message and
// its PDU (also when it comes late or never), status reports, the remote text of a short
// burst message, and the bound on the receive buffer while a handler waits.
#include <gtest/gtest.h>

#include <string>

#include "link/dispatch.h"
#include "support/terminal_rig.h"

namespace shortmsg {
namespace {

using testing::TerminalRig;

constexpr char kDeliverHello[] = "0791447700090000040B914477000910F200008010124100004005E8329BFD06";
constexpr char kStatusReport[] = "00062A0C91447700091032801012410000408010124110004000";
constexpr char kStatusLine[] =
    "Recieved,42,447700900123,08/01/21/ 14:00:00 GMT: 04,08/01/21/ 14:01:00 GMT: 04";
constexpr char kPduIncomplete[] = "Message not read! The modem did not send the whole PDU.";

// A started terminal whose modem has answered everything queued so far.
struct Rig : TerminalRig {
    Rig() : sms(Start()) { TakeWrites(); }
    SMS& sms;
};

TEST(MessageRead, DeliverShowsSenderTimeStampAndText) {
    Rig rig;
    rig.ModemSays(std::string("+CMGR: 0,,23\r\n") + kDeliverHello + "\r\n\r\nOK\r\n");
    rig.Tick();
    EXPECT_EQ(rig.sms.FromAddress.Text(), "44770090012");
    EXPECT_EQ(rig.sms.ShortMessageTimeStamp.Text(), "08/01/21/ 14:00:00 GMT: 04");
    EXPECT_EQ(rig.sms.MTDisplayWindow.Text(), "hello");
    EXPECT_EQ(rig.terminal.ReceivedMessageText, "hello");
    EXPECT_FALSE(rig.sms.ErrorBlink);
}

TEST(MessageRead, PduInALaterChunkIsDecodedInTheSameTick) {
    struct Case {
        const char* what;
        std::string first, later;
        int laterMs;
    };
    const Case cases[] = {
        {"whole PDU line later", "+CMGR: 0,,23\r\n", std::string(kDeliverHello) + "\r\n", 300},
        {"PDU split, its CR later", std::string("+CMGR: 0,,23\r\n") + "0791447700090000040B91",
         std::string(kDeliverHello).substr(22) + "\r\n", 1999},
    };
    for (const auto& c : cases) {
        Rig rig;
        const auto start = rig.clock.NowMs();
        rig.ModemSays(c.first);
        rig.modem.ArriveAt(start + c.laterMs, c.later);
        rig.Tick();
        EXPECT_EQ(rig.sms.MTDisplayWindow.Text(), "hello") << c.what;
        EXPECT_EQ(rig.clock.NowMs(), start + c.laterMs) << c.what;
        EXPECT_FALSE(rig.sms.ErrorBlink) << c.what;
    }
}

TEST(MessageRead, APduThatNeverCompletesIsGivenUpAfterTwoSeconds) {
    struct Case {
        const char* what;
        std::string bytes;
    };
    const Case cases[] = {
        {"no PDU line at all", "+CMGR: 0,,23\r\n"},
        {"PDU without its line end", "+CMGR: 0,,23\r\n0791447700090000040B91447700"},
        {"+CDS: without a PDU", "+CDS: 25\r\n"},
    };
    for (const auto& c : cases) {
        Rig rig;
        rig.sms.MTDisplayWindow.SetText("before");
        const auto start = rig.clock.NowMs();
        rig.ModemSays(c.bytes);
        rig.modem.ArriveAt(start + 2500, std::string(kDeliverHello) + "\r\n");  // too late
        rig.Tick();
        EXPECT_EQ(rig.clock.NowMs(), start + 2000) << c.what;
        EXPECT_TRUE(rig.sms.ErrorBlink) << c.what;
        EXPECT_EQ(rig.sms.ErrorMessageWindow.Text(), kPduIncomplete) << c.what;
        EXPECT_EQ(rig.sms.MTDisplayWindow.Text(), "before") << c.what;
        EXPECT_EQ(rig.terminal.Options().MO_Message_Status.ListCount(), 0) << c.what;
    }
}

TEST(MessageRead, APduTheDecoderRefusesIsShownAndNothingIsDecoded) {
    struct Case {
        std::string pdu;
        std::string error;
    };
    const Case cases[] = {
        {"0791447700090000040B9144770009G0F2",
         "PDU refused: it holds characters that are not "
         "hexadecimal"},
        {"07914477000900000", "PDU refused: it ends before its user-data length"},
        {"0791447700090000040B91", "PDU refused: it ends before its user-data length"},
        {"00062A0C914477000910", "PDU refused: the status report ends before its status field"},
    };
    for (const auto& c : cases) {
        Rig rig;
        rig.ModemSays("+CMGR: 0,,23\r\n" + c.pdu + "\r\n\r\nOK\r\n");
        rig.Tick();
        EXPECT_EQ(rig.sms.ErrorMessageWindow.Text(), c.error) << c.pdu;
        EXPECT_EQ(rig.sms.MTDisplayWindow.Text(), "") << c.pdu;
        EXPECT_EQ(rig.sms.FromAddress.Text(), "") << c.pdu;
    }
}

TEST(MessageRead, StatusReportsGoToTheStatusList) {
    Rig rig;
    // A message first, so that a status report read from the store has a sender to keep.
    rig.ModemSays(std::string("+CMGR: 0,,23\r\n") + kDeliverHello + "\r\n\r\nOK\r\n");
    rig.Tick();
    rig.ModemSays(std::string("+CDS: 25\r\n") + kStatusReport + "\r\n");
    rig.Tick();
    rig.ModemSays(std::string("+CMGR: 0,,25\r\n") + kStatusReport + "\r\n\r\nOK\r\n");
    rig.Tick();
    const ComboBox& list = rig.terminal.Options().MO_Message_Status;
    ASSERT_EQ(list.ListCount(), 2);
    EXPECT_EQ(list.Items()[0], kStatusLine);
    EXPECT_EQ(list.Items()[1], kStatusLine);
    // A status report carries no sender, time stamp or text: the last sender stays, and the
    // text box shows the report's PDU.
    EXPECT_EQ(rig.terminal.PDU_SenderAddress, "44770090012");
    EXPECT_EQ(rig.sms.FromAddress.Text(), "44770090012");
    EXPECT_EQ(rig.sms.MTDisplayWindow.Text(), kStatusReport);
}

// Everything a remote party might write that looks like a modem reply. With "SBM Enabled"
// the "+SBDRT:" line alone releases the queue: one command is written, and no "AT" for an
// error, no read and no phone-book entry follow from the text.
TEST(ShortBurstText, IsNeverDispatchedAsModemReplies) {
    const char* const texts[] = {"OK",
                                 "ERROR",
                                 "+CMTI: \"SM\",3",
                                 "+CMS ERROR: 500",
                                 "+CMGR: 0,,23",
                                 "+CPBR: 1,\"999\",129,\"Eve\"",
                                 "+SBDI: 0, 1, 2, 0, 0, 0"};
    for (bool sbmEnabled : {true, false}) {
        for (const char* text : texts) {
            Rig rig;
            rig.terminal.Options().SBM_Enabled.SetChecked(sbmEnabled);
            rig.sms.PhoneBookFirstIndex = std::to_string(1);
            rig.sms.PhoneBookUsed = 3;
            rig.ModemSays(std::string("\r\n+SBDRT:\r\n") + text + "\r\n");
            rig.Tick();
            const std::string what = std::string(text) + (sbmEnabled ? " (SBM)" : "");
            EXPECT_EQ(rig.TakeWrites(), sbmEnabled ? "AT+CMEE=2\r\n" : "") << what;
            EXPECT_FALSE(rig.sms.ReadyForNextCommand) << what;
            EXPECT_FALSE(rig.sms.ErrorBlink) << what;
            EXPECT_EQ(rig.sms.TxModemBuffer.find("AT+CMGR"), std::string::npos) << what;
            EXPECT_EQ(rig.sms.PhoneBook.ListCount(), 0) << what;
            EXPECT_EQ(rig.sms.MTDisplayWindow.Text(),
                      sbmEnabled ? "New SBM: " + std::string(text) : "")
                << what;
            // The lines after the text are cut as ever.
            rig.ModemSays("\r\nOK\r\n");
            rig.Tick();
            EXPECT_EQ(rig.TakeWrites(), sbmEnabled ? "AT+CSMS?\r\n" : "AT+CMEE=2\r\n") << what;
        }
    }
}

TEST(ShortBurstText, TheOkAfterTheTextStillReleasesTheQueue) {
    Rig rig;  // SBM unchecked: only the "OK" after the text answers
    rig.ModemSays("\r\n+SBDRT:\r\nOK then\r\n\r\n");
    rig.Tick();
    EXPECT_FALSE(rig.sms.ReadyForNextCommand);
    rig.ModemSays("OK\r\n");
    rig.Tick();
    EXPECT_EQ(rig.TakeWrites(), "AT+CMEE=2\r\n");
}

TEST(ShortBurstText, ALateLineEndIsWaitedForWithinTheBound) {
    struct Case {
        int laterMs;
        std::string shown;
        bool error;
    };
    const Case cases[] = {
        {500, "New SBM: GPSquery:1", false},
        {2000, "New SBM: GPSquery:1", false},
        {2001, "", true},
    };
    for (const auto& c : cases) {
        Rig rig;
        rig.terminal.Options().SBM_Enabled.SetChecked(true);
        const auto start = rig.clock.NowMs();
        rig.ModemSays("\r\n+SBDRT:\r\nGPSquery:");
        rig.modem.ArriveAt(start + c.laterMs, "1\r\nOK\r\n");
        rig.Tick();
        EXPECT_EQ(rig.sms.MTDisplayWindow.Text(), c.shown) << c.laterMs;
        EXPECT_EQ(rig.sms.ErrorBlink, c.error) << c.laterMs;
        EXPECT_EQ(rig.TakeWrites(), "AT+CMEE=2\r\n") << c.laterMs;  // "+SBDRT:" answered
    }
}

TEST(ReceiveBuffer, StaysWithinItsBoundWhileAHandlerWaits) {
    Rig rig;
    const auto start = rig.clock.NowMs();
    const std::string noise(kReceiveBufferLimit - 100, 'x');
    rig.ModemSays("+CMGR: 0,,23\r\n");
    rig.modem.ArriveAt(start + 10, "0" + noise);  // a "0" and no CR: never a whole PDU
    rig.modem.ArriveAt(start + 20, noise);
    rig.Tick();
    EXPECT_LE(rig.sms.RxModemBuffer.size(), kReceiveBufferLimit);
    EXPECT_EQ(rig.sms.ErrorMessageWindow.Text(), kPduIncomplete);
    EXPECT_LT(rig.clock.NowMs(), start + 2000);  // gave up when the buffer was full
}

}  // namespace
}  // namespace shortmsg
