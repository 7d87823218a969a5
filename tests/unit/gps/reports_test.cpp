// Position reports as they enter the modem's command queue: the options they follow, the
// whole sentence whatever the compose box shows, and no report piling up behind one that
// still waits. Plain reports by SMS and by short burst data, and the flood of distance
// reports over a slow modem, are golden scenarios (gps/distance_sms, distance_sbd,
// report_flood).
#include <gtest/gtest.h>

#include <string>

#include "pdu/alphabet.h"
#include "pdu/decoder.h"
#include "support/terminal_rig.h"

namespace shortmsg {
namespace {

using namespace testing;

const std::string kNorth = Rmc("4800.600", "N", "01100.000", "E");
const std::string kFarther = Rmc("4801.200", "N", "01100.000", "E");
const std::string kReport = "AT+SBDWT=" + kNorth + "\r\nAT+SBDI\r\n";

// The PDU of the SMS waiting in the queue.
std::string QueuedPdu(GpsRig& rig) {
    const std::string w = rig.Waiting();
    const size_t first = w.find("\r\n");
    const size_t body = w.find('\x1A');
    return first < body && body != std::string::npos ? w.substr(first + 2, body - first - 2) : "";
}

std::string TextOf(const std::string& pdu) {
    const auto decoded = DecodeReceivedPDU(pdu);
    return decoded ? ConvertGSMToText(decoded->gsmText) : "(refused: " + decoded.error() + ")";
}

// A distance report made due: threshold 0.5 km, reference (48, 11), fix 1.11 km north.
void MakeReportDue(GpsRig& rig, const std::string& sentence) {
    rig.State().GPS_ReportAddress = "12345";
    rig.State().GPS_DistanceThreshold = "0.5";
    rig.State().GPS_RefLatitude = 48;
    rig.State().GPS_RefLongitude = 11;
    rig.GpsTick(Line(sentence));
}

// A timed window open for the next hour.
void OpenWindow(GpsRig& rig) {
    rig.State().GPS_ReportStart = rig.clock.Now();
    rig.State().GPS_ReportStop = DateTime{rig.clock.Now().seconds + 3600};
}

TEST(ReportBySms, ServiceCentreAndStatusReportFromTheOptions) {
    GpsRig rig;
    rig.Options().UseSCAinPhone.SetChecked(false);
    rig.Options().RegisteredSM.SetChecked(true);
    MakeReportDue(rig, kNorth);
    // "881662900005" as the service centre, then SMS-SUBMIT with a status report asked for.
    EXPECT_EQ(QueuedPdu(rig).substr(0, 18), "079188612609005031");
    EXPECT_EQ(TextOf(QueuedPdu(rig)), kNorth);
}

TEST(ReportBySms, TextTheEncoderRefusesIsReportedNotQueued) {
    GpsRig rig;
    const std::string tooLong = "GPRMC," + std::string(170, '9');
    rig.Sms().Link().QueueTextMessage(tooLong, "12345");
    EXPECT_EQ(rig.Waiting(), "");
    EXPECT_EQ(rig.errorBox.texts.size(), 1u);
    EXPECT_FALSE(rig.Sms().Link().Queue().LookForSendMessagePrompt);
}

// The compose box (70 characters without "Default SCA") shows the sentence cut; the
// message carries all 90 characters of it.
TEST(Reports, ALongSentenceGoesOutWhole) {
    const std::string longer =
        "GNRMC,001031.000,A,4800.600123456,N,01100.000123456,E,000.036,123.45,101221,001.2,E,"
        "D,V*6C";
    for (const bool shortBurst : {false, true}) {
        GpsRig rig;
        rig.Sms().SMinputWindow.SetMaxLength(70);
        rig.Options().SBM_Enabled.SetChecked(shortBurst);
        MakeReportDue(rig, longer);
        EXPECT_EQ(rig.Sms().SMinputWindow.Text(), longer.substr(0, 70));
        if (shortBurst) {
            EXPECT_EQ(rig.Waiting(), "AT+SBDWT=" + longer + "\r\nAT+SBDI\r\n");
        } else {
            EXPECT_EQ(TextOf(QueuedPdu(rig)), longer);
        }
    }
}

// A report is skipped while the previous one from the same source still waits unwritten;
// other sources and query replies are not held back by it.
TEST(ReportFlood, OnlyTheSameSourceHoldsAReportBack) {
    GpsRig sms;  // distance reports by SMS
    MakeReportDue(sms, kNorth);
    const std::string first = sms.Waiting();
    sms.GpsTick(Line(kFarther));
    EXPECT_EQ(sms.Waiting(), first);

    GpsRig timed;  // timed reports, until the first one's lines are written
    timed.Options().SBM_Enabled.SetChecked(true);
    timed.GpsTick(Line(kNorth));
    OpenWindow(timed);
    for (int tick = 0; tick < 3; ++tick) timed.Gps().GPS_LocationUpdateTimer_Timer();
    EXPECT_EQ(timed.Waiting(), kReport);
    timed.AnswerModem();
    timed.Gps().GPS_LocationUpdateTimer_Timer();
    EXPECT_EQ(timed.Waiting(), kReport);

    GpsRig both;  // a distance report, then a timed one and two query replies behind it
    both.Options().SBM_Enabled.SetChecked(true);
    MakeReportDue(both, kNorth);
    OpenWindow(both);
    both.Gps().GPS_LocationUpdateTimer_Timer();
    both.Message("GPSquery:1", Channel::ShortBurst, both.Sms().FromAddress.Text());
    both.Message("GPSquery:1", Channel::ShortBurst, both.Sms().FromAddress.Text());
    EXPECT_EQ(both.Waiting(), kReport + kReport + kReport + kReport);
}

}  // namespace
}  // namespace shortmsg
