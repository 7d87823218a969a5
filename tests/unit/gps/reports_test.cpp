// Position reports as they enter the modem's command queue: a refused one reported, and the
// whole sentence whatever the compose box shows. Plain reports by SMS and by short burst
// data, and the flood of distance reports over a slow modem, are golden scenarios
// (gps/distance_sms, distance_sbd, report_flood).
#include <gtest/gtest.h>

#include <string>

#include "pdu/decoder.h"
#include "support/terminal_rig.h"

namespace shortmsg {
namespace {

using namespace testing;

const std::string kNorth = Rmc("4800.600", "N", "01100.000", "E");

// The PDU of the SMS waiting in the queue.
std::string QueuedPdu(GpsRig& rig) {
    const std::string w = rig.Waiting();
    const size_t first = w.find("\r\n");
    const size_t body = w.find('\x1A');
    return first < body && body != std::string::npos ? w.substr(first + 2, body - first - 2) : "";
}

std::string TextOf(const std::string& pdu) {
    const auto decoded = DecodeReceivedPDU(pdu);
    return decoded ? decoded->text : "(refused: " + decoded.error() + ")";
}

// A distance report made due: threshold 0.5 km, reference (48, 11), fix 1.11 km north.
void MakeReportDue(GpsRig& rig, const std::string& sentence,
                   const Recipient& to = {Channel::Sms, "12345"}) {
    rig.State().distanceRecipient = to;
    rig.State().GPS_DistanceThreshold = "0.5";
    rig.State().GPS_RefLatitude = 48;
    rig.State().GPS_RefLongitude = 11;
    rig.GpsTick(Line(sentence));
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
        "D,V*5B";
    for (const bool shortBurst : {false, true}) {
        GpsRig rig;
        rig.Sms().SMinputWindow.SetMaxLength(70);
        MakeReportDue(
            rig, longer,
            shortBurst ? Recipient{Channel::ShortBurst, ""} : Recipient{Channel::Sms, "1"});
        EXPECT_EQ(rig.Sms().SMinputWindow.Text(), longer.substr(0, 70));
        if (shortBurst) {
            EXPECT_EQ(rig.Waiting(), "AT+SBDWT=" + longer + "\r\nAT+SBDI\r\n");
        } else {
            EXPECT_EQ(TextOf(QueuedPdu(rig)), longer);
        }
    }
}

}  // namespace
}  // namespace shortmsg
