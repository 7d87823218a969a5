// Position messages as they enter the modem's command queue: by SMS and as short burst
// data, the whole sentence whatever the compose box shows, and no report piling up behind
// one that still waits.
#include <gtest/gtest.h>

#include <string>

#include "gps_rig.h"
#include "pdu/alphabet.h"
#include "pdu/decoder.h"

namespace shortmsg::gpstest {
namespace {

const std::string kNorth = Rmc("4800.600", "N", "01100.000", "E");
// 90 characters: longer than the compose box holds (82, or 70 without "Default SCA").
const std::string kLong =
    "GNRMC,001031.000,A,4800.600123456,N,01100.000123456,E,000.036,123.45,101221,001.2,E,D,V*6C";

// The lines of one SMS, split into the length, the PDU and what follows.
struct QueuedSms {
    std::string lengthLine, pdu, rest;
};

QueuedSms SplitSms(const std::string& waiting) {
    const size_t first = waiting.find("\r\n");
    const size_t body = waiting.find('\x1A');
    if (first == std::string::npos || body == std::string::npos) return {};
    return {waiting.substr(0, first), waiting.substr(first + 2, body - first - 2),
            waiting.substr(body)};
}

std::string TextOf(const std::string& pdu) {
    const auto decoded = DecodeReceivedPDU(pdu);
    return decoded ? ConvertGSMToText(decoded->gsmText) : "(refused: " + decoded.error() + ")";
}

// A distance report made due: threshold 0.5 km, reference (48, 11), fix 1.11 km north.
void MakeReportDue(GpsRig& rig, const std::string& sentence) {
    rig.State().GPS_DistanceThreshold = "0.5";
    rig.State().GPS_RefLatitude = 48;
    rig.State().GPS_RefLongitude = 11;
    rig.GpsTick(Line(sentence));
}

TEST(ReportBySms, QueuesTheLinesInOrderAndAwaitsThePrompt) {
    GpsRig rig;
    rig.State().GPS_ReportAddress = "+447700900123";
    ASSERT_FALSE(rig.Sms().LookForSendMessagePrompt);
    MakeReportDue(rig, kNorth);

    const QueuedSms sms = SplitSms(rig.Waiting());
    EXPECT_EQ(sms.lengthLine, "AT+CMGS=" + std::to_string((sms.pdu.size() + 1) / 2));
    EXPECT_EQ(sms.rest, "\x1A\r\nAT+CNMI=1,1,0,0,0\r\nAT+CPMS?\r\n");
    // No service-centre number ("Default SCA"), to 447700900123 in international form.
    EXPECT_EQ(sms.pdu.substr(0, 2), "00");
    EXPECT_NE(sms.pdu.find("0C91447700091032"), std::string::npos) << sms.pdu;
    EXPECT_EQ(TextOf(sms.pdu), kNorth);
    EXPECT_TRUE(rig.Sms().LookForSendMessagePrompt);
    EXPECT_EQ(rig.Sms().SMinputWindow.Text(), kNorth);
}

TEST(ReportBySms, ServiceCentreAndStatusReportFromTheOptions) {
    GpsRig rig;
    rig.Options().UseSCAinPhone.SetChecked(false);
    rig.Options().RegisteredSM.SetChecked(true);
    rig.State().GPS_ReportAddress = "12345";
    MakeReportDue(rig, kNorth);
    const QueuedSms sms = SplitSms(rig.Waiting());
    // "881662900005" as the service centre, then SMS-SUBMIT with a status report asked for.
    EXPECT_EQ(sms.pdu.substr(0, 18), "079188612609005031") << sms.pdu;
    EXPECT_EQ(TextOf(sms.pdu), kNorth);
}

struct BoxCase {
    const char* name;
    int boxLength;
    bool shortBurst;
};

void PrintTo(const BoxCase& c, std::ostream* os) {
    *os << c.name;
}

class LongSentence : public ::testing::TestWithParam<BoxCase> {};

// The compose box shows the sentence cut to its length; the message carries all of it.
TEST_P(LongSentence, GoesOutWhole) {
    const auto& c = GetParam();
    GpsRig rig;
    rig.Sms().SMinputWindow.SetMaxLength(c.boxLength);
    rig.Options().SBM_Enabled.SetChecked(c.shortBurst);
    rig.State().GPS_ReportAddress = "12345";
    MakeReportDue(rig, kLong);
    EXPECT_EQ(rig.Sms().SMinputWindow.Text(), kLong.substr(0, c.boxLength));
    if (c.shortBurst) {
        EXPECT_EQ(rig.Waiting(), "AT+SBDWT=" + kLong + "\r\nAT+SBDI\r\n");
    } else {
        EXPECT_EQ(TextOf(SplitSms(rig.Waiting()).pdu), kLong);
    }
}

INSTANTIATE_TEST_SUITE_P(Reports, LongSentence,
                         ::testing::Values(BoxCase{"SmsBox82", 82, false},
                                           BoxCase{"SmsBox70", 70, false},
                                           BoxCase{"ShortBurstBox82", 82, true},
                                           BoxCase{"ShortBurstBox70", 70, true}));

TEST(ReportByShortBurst, TwoLinesAndNoPrompt) {
    GpsRig rig;
    rig.Options().SBM_Enabled.SetChecked(true);
    rig.Sms().SMinputWindow.Type("half-written message");
    MakeReportDue(rig, kNorth);
    EXPECT_EQ(rig.Waiting(), "AT+SBDWT=" + kNorth + "\r\nAT+SBDI\r\n");
    EXPECT_FALSE(rig.Sms().LookForSendMessagePrompt);
    EXPECT_EQ(rig.Sms().SMinputWindow.Text(), kNorth);
}

TEST(ReportBySms, TextTheEncoderRefusesIsReportedNotQueued) {
    GpsRig rig;
    const std::string tooLong = "GPRMC," + std::string(170, '9');
    rig.State().GPS_LastSentence = tooLong;
    rig.Gps().QueueGPSReportSMS("12345", tooLong);
    EXPECT_EQ(rig.Waiting(), "");
    ASSERT_EQ(rig.errorBox.texts.size(), 1u);
    EXPECT_FALSE(rig.Sms().LookForSendMessagePrompt);
}

// A modem that does not take the report: further distance reports wait for it instead
// of piling up; the reference point stays, so the report goes out once the queue moved.
TEST(ReportFlood, DistanceReportWaitsForThePreviousOne) {
    GpsRig rig;
    rig.Options().SBM_Enabled.SetChecked(true);
    MakeReportDue(rig, kNorth);
    const std::string first = rig.Waiting();
    const std::string farther = Rmc("4801.500", "N", "01100.000", "E");
    for (int tick = 0; tick < 5; ++tick) rig.GpsTick(Line(farther));
    EXPECT_EQ(rig.Waiting(), first);
    EXPECT_DOUBLE_EQ(rig.State().GPS_RefLatitude, 48.01);
    EXPECT_EQ(rig.Sms().DistanceMovedDisplay.Text().substr(0, 5), "1.669");  // still shown

    // Its first line goes to the modem: the next due report is queued.
    rig.modem.Arrive("OK\r\n");
    rig.Sms().ServiceSerialPortMSComm1Timer_Timer();
    rig.GpsTick(Line(farther));
    EXPECT_EQ(rig.Waiting(), "AT+SBDI\r\nAT+SBDWT=" + farther + "\r\nAT+SBDI\r\n");
    EXPECT_DOUBLE_EQ(rig.State().GPS_RefLatitude, 48.025);
}

TEST(ReportFlood, SmsReportWaitsForThePreviousOne) {
    GpsRig rig;
    MakeReportDue(rig, kNorth);
    const std::string first = rig.Waiting();
    rig.GpsTick(Line(Rmc("4801.200", "N", "01100.000", "E")));
    EXPECT_EQ(rig.Waiting(), first);
}

TEST(ReportFlood, TimedReportWaitsForThePreviousOne) {
    GpsRig rig;
    rig.Options().SBM_Enabled.SetChecked(true);
    rig.GpsTick(Line(kNorth));
    rig.State().GPS_ReportStop = DateTime{rig.clock.Now().seconds + 3600};
    rig.State().GPS_ReportStart = rig.clock.Now();
    for (int tick = 0; tick < 3; ++tick) rig.Gps().GPS_LocationUpdateTimer_Timer();
    EXPECT_EQ(rig.Waiting(), "AT+SBDWT=" + kNorth + "\r\nAT+SBDI\r\n");
    rig.AnswerModem();
    rig.Gps().GPS_LocationUpdateTimer_Timer();
    EXPECT_EQ(rig.Waiting(), "AT+SBDWT=" + kNorth + "\r\nAT+SBDI\r\n");
}

TEST(ReportFlood, SourcesDoNotHoldEachOtherBack) {
    GpsRig rig;
    rig.Options().SBM_Enabled.SetChecked(true);
    MakeReportDue(rig, kNorth);
    rig.State().GPS_ReportStop = DateTime{rig.clock.Now().seconds + 3600};
    rig.State().GPS_ReportStart = rig.clock.Now();
    rig.Gps().GPS_LocationUpdateTimer_Timer();
    const std::string report = "AT+SBDWT=" + kNorth + "\r\nAT+SBDI\r\n";
    EXPECT_EQ(rig.Waiting(), report + report);
}

TEST(ReportFlood, QueryRepliesAreNotHeldBack) {
    GpsRig rig;
    rig.Options().SBM_Enabled.SetChecked(true);
    rig.GpsTick(Line(kNorth));
    rig.Gps().GPSQueryFromSBM("GPSquery:1");
    rig.Gps().GPSQueryFromSBM("GPSquery:1");
    const std::string report = "AT+SBDWT=" + kNorth + "\r\nAT+SBDI\r\n";
    EXPECT_EQ(rig.Waiting(), report + report);
}

// A modem reset drops the waiting report; the next one is not held back by it.
TEST(ReportFlood, ResetDropsTheWaitingReport) {
    GpsRig rig;
    rig.Options().SBM_Enabled.SetChecked(true);
    MakeReportDue(rig, kNorth);
    rig.Sms().ModemResponding = false;
    rig.Sms().SanityTimer_Timer();
    ASSERT_EQ(rig.Waiting().find("SBDWT"), std::string::npos);
    const std::string farther = Rmc("4801.200", "N", "01100.000", "E");
    rig.GpsTick(Line(farther));
    EXPECT_NE(rig.Waiting().find("AT+SBDWT=" + farther + "\r\n"), std::string::npos);
}

}  // namespace
}  // namespace shortmsg::gpstest
