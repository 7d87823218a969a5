// The two send dialects: the length after "AT+CMGS=" and the refusal that tells them apart.
#include "link/send_length.h"

#include <gtest/gtest.h>

#include "pdu/encoder.h"
#include "support/terminal_rig.h"

namespace shortmsg {
namespace {

TEST(SendLength, WholePduAndTpduOctets) {
    struct Case {
        std::string pdu;
        int whole, tpdu;
    };
    const Case cases[] = {
        {"0011000C914477000910320000AA05E8329BFD06", 20, 19},  // the phone's own centre
        {"079144770009000031000C914477000910320000AA05E8329BFD06", 27, 19},
        {"0011000591214365F70000AA00", 13, 12},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WholePduLength(c.pdu), c.whole) << c.pdu;
        EXPECT_EQ(TpduLength(c.pdu), c.tpdu) << c.pdu;
    }
}

TEST(SendLength, TheRefusalThatAsksForTheOtherDialect) {
    const std::pair<std::string, bool> cases[] = {
        {" 304", true},
        {" 304\r", true},
        {" Invalid PDU mode parameter", true},
        {" INVALID PDU MODE PARAMETER\r", true},
        {"invalid  pdu mode  parameter", true},
        {" 305", false},
        {" 3040", false},
        {" Invalid Text mode parameter", false},
        {" Invalid PDU mode parameter!", false},
        {"", false},
    };
    for (const auto& [code, expected] : cases)
        EXPECT_EQ(IsInvalidPduModeParameter(code), expected) << code;
}

constexpr char kBody[] = "0011000C914477000910320000AA05E8329BFD06\x1A\r\n";

TEST(SendLength, ARefusedBodyGoesOnceMoreWithTheTpduLengthThenSettlesTheDialect) {
    testing::TerminalRig rig;
    SMS& sms = rig.Start();
    sms.TxModemBuffer = sms.LastCommandSent = kBody;
    sms.LastSendLength = 20;
    MessageBodyRefused(sms, " 304");
    EXPECT_EQ(sms.TxModemBuffer,
              std::string(kBody) + "AT+CMGS=19\r\n" + kBody + "AT+CNMI=1,1,0,0,0\r\nAT+CPMS?\r\n");
    EXPECT_TRUE(sms.LookForSendMessagePrompt);

    NoteCommandWritten(sms, "AT+CMGS=19\r\n");
    MessageBodyConfirmed(sms);
    EXPECT_TRUE(sms.UseTpduSendLength);
    sms.TxModemBuffer.clear();
    sms.QueueSmsSubmit("0011000C914477000910320000AA05E8329BFD06");
    EXPECT_EQ(sms.TxModemBuffer.substr(0, 12), "AT+CMGS=19\r\n");
}

TEST(SendLength, ABodyRefusedInTheStandardDialectIsReportedNotSent) {
    testing::TerminalRig rig;
    SMS& sms = rig.Start();
    sms.TxModemBuffer = sms.LastCommandSent = kBody;
    sms.LastSendLength = 19;
    MessageBodyRefused(sms, " Invalid PDU mode parameter\r");
    EXPECT_EQ(sms.TxModemBuffer, kBody);  // nothing queued again
    EXPECT_TRUE(sms.ErrorBlink);
    EXPECT_NE(sms.ErrorMessageWindow.Text().find("not sent"), std::string::npos);
    sms.LastSendLength = 20;
    MessageBodyConfirmed(sms);  // a confirmation with the whole length settles nothing
    EXPECT_FALSE(sms.UseTpduSendLength);
}

}  // namespace
}  // namespace shortmsg
