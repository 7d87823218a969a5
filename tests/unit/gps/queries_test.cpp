// "GPSquery:" commands by SMS and by short burst data: what each form leaves behind, and
// the malformed ones that change nothing. The immediate, distance and timed forms with
// their replies run whole in the golden scenarios gps/query_forms_sms, query_forms_sbd,
// distance_*, timed_reports and timed_windows.
#include <gtest/gtest.h>

#include <string>

#include "pdu/alphabet.h"
#include "pdu/decoder.h"
#include "support/terminal_rig.h"

namespace shortmsg {
namespace {

using namespace testing;

const std::string kValid = Rmc("4800.600", "N", "01100.000", "E");
const std::string kVoid = Rmc("4800.600", "N", "01100.000", "E", "V");
const std::string kSender = "+447700900123";
const std::string kTimed = "GPSquery:0,0,60,0,01/13/03 03:26:00 pm,01/13/03 03:29:00 pm,";

// The reply waiting in the queue: "sms:" and the decoded text, or "sbd:" and the lines.
std::string ReplyText(GpsRig& rig) {
    const std::string w = rig.Waiting();
    if (w.starts_with("AT+SBDWT=")) return "sbd:" + w;
    const size_t first = w.find("\r\n");
    const size_t body = w.find('\x1A');
    if (!w.starts_with("AT+CMGS=") || body == std::string::npos) return w;
    const auto decoded = DecodeReceivedPDU(w.substr(first + 2, body - first - 2));
    return "sms:" + (decoded ? ConvertGSMToText(decoded->gsmText) : "?");
}

struct QueryCase {
    const char* name;
    std::string text;
    bool byShortBurst;
    std::string sentence;   // "": nothing read from the receiver yet
    std::string reply;      // as ReplyText gives it
    std::string threshold;  // GPS_DistanceThreshold afterwards ("(before)": unchanged)
    bool referenceMoved;
    int timerInterval;  // 0: the timer was not started
};

void PrintTo(const QueryCase& c, std::ostream* os) {
    *os << c.name;
}

class Queries : public ::testing::TestWithParam<QueryCase> {};

TEST_P(Queries, AnswerAndLeaveBehind) {
    const auto& c = GetParam();
    GpsRig rig;
    rig.Options().SBM_Enabled.SetChecked(c.byShortBurst);
    if (!c.sentence.empty()) rig.GpsTick(Line(c.sentence));
    rig.Sms().FromAddress.SetText(kSender);
    rig.State().GPS_DistanceThreshold = "(before)";
    rig.State().GPS_RefLatitude = 1;
    rig.State().GPS_RefLongitude = 2;
    if (c.byShortBurst) {
        rig.Message(c.text, Channel::ShortBurst, rig.Sms().FromAddress.Text());
    } else {
        rig.Message(c.text, Channel::Sms, kSender);
    }
    EXPECT_EQ(ReplyText(rig), c.reply);
    EXPECT_EQ(rig.Sms().Link().Queue().LookForSendMessagePrompt, c.reply.starts_with("sms:"));
    EXPECT_EQ(rig.State().GPS_ReportAddress, kSender);
    EXPECT_EQ(rig.State().GPS_DistanceThreshold, c.threshold);
    EXPECT_DOUBLE_EQ(rig.State().GPS_RefLatitude, c.referenceMoved ? 48.01 : 1);
    const Timer& timer = rig.Options().GPS_LocationUpdateTimer;
    EXPECT_EQ(timer.Enabled(), c.timerInterval != 0);
    EXPECT_EQ(timer.Interval(), c.timerInterval != 0 ? c.timerInterval : 9000);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, Queries,
    ::testing::Values(
        // An immediate reply carries the sentence as it is, void or not there yet.
        QueryCase{"ImmediateVoidFix", "GPSquery:1", false, kVoid, "sms:" + kVoid, "(before)", false,
                  0},
        QueryCase{"ImmediateNoSentenceYet", "GPSquery:1", true, "", "sbd:AT+SBDWT=\r\nAT+SBDI\r\n",
                  "(before)", false, 0},
        // No fix to reply with: the new threshold, the old reference point.
        QueryCase{"DistanceNoSentenceYet", "GPSquery:0,0.03,", false, "", "", "0.03", false, 0},
        // Seconds times 1000 in 32 bits.
        QueryCase{"TimedOneDay", "GPSquery:0,0,86400,0,2024-06-01 08:00:00,2024-06-30 09:00:00,",
                  false, kValid, "", "0", false, 86400000}),
    [](const auto& info) { return std::string(info.param.name); });

struct Snapshot {
    std::string lastSentence, threshold, interval, address, queue, box;
    DateTime start, stop;
    double refLat, refLon;
    bool timerEnabled;
    int timerInterval;
    bool operator==(const Snapshot&) const = default;
};

Snapshot Take(GpsRig& rig) {
    const GpsState& s = rig.State();
    const Timer& t = rig.Options().GPS_LocationUpdateTimer;
    return Snapshot{s.GPS_LastSentence,
                    s.GPS_DistanceThreshold,
                    s.GPS_ReportInterval,
                    s.GPS_ReportAddress,
                    rig.Sms().Link().Queue().HeadAndWaiting(),
                    rig.Sms().SMinputWindow.Text(),
                    s.GPS_ReportStart,
                    s.GPS_ReportStop,
                    s.GPS_RefLatitude,
                    s.GPS_RefLongitude,
                    t.Enabled(),
                    t.Interval()};
}

// Each one after a timed command that is running, from another sender: neither channel
// changes anything, the report address included (gps_query_test has every malformed form).
TEST(Queries, MalformedChangeNothing) {
    for (const char* text : {"GPSquery:", "GPSquery:0", "GPSquery:0,0.03", "gpsquery:1",
                             "GPSquery:0,0,86401,0,2024-06-01 08:00:00,2024-06-01 09:00:00,",
                             "GPSquery:0,0,60,0,2024-06-01 08:00:00,02/30/24 09:00:00 am,"}) {
        GpsRig rig;
        rig.GpsTick(Line(kValid));
        rig.Sms().FromAddress.SetText("111");
        rig.Message(kTimed, Channel::Sms, "111");
        rig.Sms().FromAddress.SetText(kSender);
        const Snapshot before = Take(rig);

        rig.Message(text, Channel::Sms, kSender);
        EXPECT_TRUE(Take(rig) == before) << text;
        rig.Message(text, Channel::ShortBurst, rig.Sms().FromAddress.Text());
        EXPECT_TRUE(Take(rig) == before) << text;
    }
}

}  // namespace
}  // namespace shortmsg
