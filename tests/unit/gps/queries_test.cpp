// "GPSquery:" commands by SMS and by short burst data: the reply, its channel and
// destination, what each form leaves behind, and the malformed ones that change nothing.
#include <gtest/gtest.h>

#include <string>

#include "gps_rig.h"
#include "pdu/alphabet.h"
#include "pdu/decoder.h"

namespace shortmsg::gpstest {
namespace {

const std::string kValid = Rmc("4800.600", "N", "01100.000", "E");
const std::string kVoid = Rmc("4800.600", "N", "01100.000", "E", "V");
const std::string kSender = "+447700900123";
const std::string kTimed = "GPSquery:0,0,60,0,01/13/03 03:26:00 pm,01/13/03 03:29:00 pm,";

enum class Via { Sms, ShortBurst };
enum class Reply { None, Sms, ShortBurst };

struct QueryCase {
    const char* name;
    std::string text;
    Via via;
    bool sbmEnabled;
    std::string sentence;  // "" : nothing read from the receiver yet
    Reply reply;
    std::string threshold;  // GPS_DistanceThreshold afterwards ("(before)": unchanged)
    bool referenceMoved;
    int timerInterval;  // 0: the timer was not started
};

void PrintTo(const QueryCase& c, std::ostream* os) {
    *os << c.name;
}

std::string ReplyText(GpsRig& rig) {
    const std::string w = rig.Waiting();
    if (w.starts_with("AT+SBDWT=")) return "sbd:" + w;
    const size_t first = w.find("\r\n");
    const size_t body = w.find('\x1A');
    if (!w.starts_with("AT+CMGS=") || body == std::string::npos) return w;
    const auto decoded = DecodeReceivedPDU(w.substr(first + 2, body - first - 2));
    return "sms:" + (decoded ? ConvertGSMToText(decoded->gsmText) : "?");
}

class Queries : public ::testing::TestWithParam<QueryCase> {};

TEST_P(Queries, AnswerAndLeaveBehind) {
    const auto& c = GetParam();
    GpsRig rig;
    rig.Options().SBM_Enabled.SetChecked(c.sbmEnabled);
    if (!c.sentence.empty()) rig.GpsTick(Line(c.sentence));
    rig.Sms().FromAddress.SetText(kSender);
    rig.State().GPS_DistanceThreshold = "(before)";
    rig.State().GPS_RefLatitude = 1;
    rig.State().GPS_RefLongitude = 2;

    if (c.via == Via::Sms) {
        rig.terminal.ReceivedMessageText = c.text;
        rig.Gps().GPSQueryFromSMS();
    } else {
        rig.Gps().GPSQueryFromSBM(c.text);
    }

    const std::string reply = ReplyText(rig);
    switch (c.reply) {
        case Reply::None:
            EXPECT_EQ(reply, "");
            break;
        case Reply::Sms:
            EXPECT_EQ(reply, "sms:" + c.sentence);
            EXPECT_TRUE(rig.Sms().LookForSendMessagePrompt);
            break;
        case Reply::ShortBurst:
            EXPECT_EQ(reply, "sbd:AT+SBDWT=" + c.sentence + "\r\nAT+SBDI\r\n");
            break;
    }
    if (c.reply != Reply::None) {
        EXPECT_EQ(rig.Sms().SMinputWindow.Text(), c.sentence);
    }
    EXPECT_EQ(rig.State().GPS_ReportAddress, kSender);
    EXPECT_EQ(rig.State().GPS_DistanceThreshold, c.threshold);
    EXPECT_DOUBLE_EQ(rig.State().GPS_RefLatitude, c.referenceMoved ? 48.01 : 1);
    EXPECT_DOUBLE_EQ(rig.State().GPS_RefLongitude, c.referenceMoved ? 11 : 2);
    const Timer& timer = rig.Options().GPS_LocationUpdateTimer;
    EXPECT_EQ(timer.Enabled(), c.timerInterval != 0);
    EXPECT_EQ(timer.Interval(), c.timerInterval != 0 ? c.timerInterval : 9000);
}

INSTANTIATE_TEST_SUITE_P(
    Immediate, Queries,
    ::testing::Values(QueryCase{"BySms", "GPSquery:1", Via::Sms, false, kValid, Reply::Sms,
                                "(before)", false, 0},
                      QueryCase{"BySmsWithSbmEnabled", "GPSquery:1", Via::Sms, true, kValid,
                                Reply::Sms, "(before)", false, 0},
                      QueryCase{"ByShortBurst", "GPSquery:1", Via::ShortBurst, true, kValid,
                                Reply::ShortBurst, "(before)", false, 0},
                      QueryCase{"ByShortBurstWithSbmOff", "GPSquery:1", Via::ShortBurst, false,
                                kValid, Reply::ShortBurst, "(before)", false, 0},
                      QueryCase{"ModeOneThenMore", "GPSquery:10", Via::Sms, false, kValid,
                                Reply::Sms, "(before)", false, 0},
                      QueryCase{"WordsBefore", "Where are you? GPSquery:1", Via::ShortBurst, true,
                                kValid, Reply::ShortBurst, "(before)", false, 0},
                      QueryCase{"VoidFixSentAsItIs", "GPSquery:1", Via::Sms, false, kVoid,
                                Reply::Sms, "(before)", false, 0},
                      QueryCase{"NoSentenceYetBySms", "GPSquery:1", Via::Sms, false, "", Reply::Sms,
                                "(before)", false, 0},
                      QueryCase{"NoSentenceYetByShortBurst", "GPSquery:1", Via::ShortBurst, true,
                                "", Reply::ShortBurst, "(before)", false, 0}));

INSTANTIATE_TEST_SUITE_P(
    Distance, Queries,
    ::testing::Values(
        QueryCase{"BySms", "GPSquery:0,0.03,", Via::Sms, false, kValid, Reply::Sms, "0.03", true,
                  0},
        QueryCase{"BySmsWithSbmEnabled", "GPSquery:0,0.03,", Via::Sms, true, kValid, Reply::Sms,
                  "0.03", true, 0},
        QueryCase{"ByShortBurst", "GPSquery:0,0.03,", Via::ShortBurst, true, kValid,
                  Reply::ShortBurst, "0.03", true, 0},
        QueryCase{"WordsBefore", "ok then GPSquery:5,2,", Via::Sms, false, kValid, Reply::Sms, "2",
                  true, 0},
        // Not the exact text "0": a reply and a new reference point; tracking stays off.
        QueryCase{"ZeroPointZero", "GPSquery:0,0.0,", Via::Sms, false, kValid, Reply::Sms, "0.0",
                  true, 0},
        QueryCase{"ZeroPointZeroByShortBurst", "GPSquery:0,0.0,", Via::ShortBurst, true, kValid,
                  Reply::ShortBurst, "0.0", true, 0},
        // A void fix: no reply, the old reference point, the new threshold.
        QueryCase{"VoidFix", "GPSquery:0,0.03,", Via::Sms, false, kVoid, Reply::None, "0.03", false,
                  0},
        QueryCase{"VoidFixByShortBurst", "GPSquery:0,0.03,", Via::ShortBurst, true, kVoid,
                  Reply::None, "0.03", false, 0},
        QueryCase{"NoSentenceYet", "GPSquery:0,0.03,", Via::Sms, false, "", Reply::None, "0.03",
                  false, 0}));

INSTANTIATE_TEST_SUITE_P(
    Timed, Queries,
    ::testing::Values(QueryCase{"QuickMessageSample", kTimed, Via::Sms, false, kValid, Reply::None,
                                "0", false, 60000},
                      QueryCase{"ByShortBurst", kTimed, Via::ShortBurst, true, kValid, Reply::None,
                                "0", false, 60000},
                      QueryCase{"ThirtyThreeSeconds",
                                "GPSquery:0,0,33,0,2024-06-01 08:00:00,2024-06-01 09:00:00,",
                                Via::Sms, false, kValid, Reply::None, "0", false, 33000},
                      QueryCase{"OneDay",
                                "GPSquery:0,0,86400,0,2024-06-01 08:00:00,2024-06-30 09:00:00,",
                                Via::Sms, false, kValid, Reply::None, "0", false, 86400000}));

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
                    rig.Sms().TxModemBuffer,
                    rig.Sms().SMinputWindow.Text(),
                    s.GPS_ReportStart,
                    s.GPS_ReportStop,
                    s.GPS_RefLatitude,
                    s.GPS_RefLongitude,
                    t.Enabled(),
                    t.Interval()};
}

class Refused : public ::testing::TestWithParam<const char*> {};

// Each one after a timed command that is running, from another sender.
TEST_P(Refused, ChangeNothing) {
    GpsRig rig;
    rig.GpsTick(Line(kValid));
    rig.Sms().FromAddress.SetText("111");
    rig.terminal.ReceivedMessageText = kTimed;
    rig.Gps().GPSQueryFromSMS();
    rig.Sms().FromAddress.SetText(kSender);
    const Snapshot before = Take(rig);

    rig.terminal.ReceivedMessageText = GetParam();
    rig.Gps().GPSQueryFromSMS();
    EXPECT_TRUE(Take(rig) == before) << GetParam();
    rig.Gps().GPSQueryFromSBM(GetParam());
    EXPECT_TRUE(Take(rig) == before) << GetParam();
    EXPECT_EQ(rig.State().GPS_ReportAddress, "111");
}

INSTANTIATE_TEST_SUITE_P(
    Malformed, Refused,
    ::testing::Values("GPSquery:", "GPSquery:0", "GPSquery:0,0.03", "GPSquery:0,0,",
                      "GPSquery:0,0,60,0,01/13/03 03:26:00 pm,01/13/03 03:29:00 pm",
                      "GPSquery:0,0,0,0,2024-06-01 08:00:00,2024-06-01 09:00:00,",
                      "GPSquery:0,0,86401,0,2024-06-01 08:00:00,2024-06-01 09:00:00,",
                      "GPSquery:0,0,-60,0,2024-06-01 08:00:00,2024-06-01 09:00:00,",
                      "GPSquery:0,0,sixty,0,2024-06-01 08:00:00,2024-06-01 09:00:00,",
                      "GPSquery:0,0,60,0,tomorrow,2024-06-01 09:00:00,",
                      "GPSquery:0,0,60,0,2024-06-01 08:00:00,02/30/24 09:00:00 am,",
                      "no command here", "gpsquery:1", ""));

TEST(Queries, LaterCommandsGoToTheLatestSender) {
    GpsRig rig;
    rig.GpsTick(Line(kValid));
    rig.Sms().FromAddress.SetText("111");
    rig.Gps().GPSQueryFromSBM("GPSquery:0,0.03,");
    rig.Sms().FromAddress.SetText("222");
    rig.Gps().GPSQueryFromSBM(kTimed);
    EXPECT_EQ(rig.State().GPS_ReportAddress, "222");
}

TEST(Queries, NewTimedCommandKeepsTheTimerRunningWithTheNewInterval) {
    GpsRig rig;
    rig.Gps().GPSQueryFromSBM(kTimed);
    rig.clock.RunUntil(30000);
    rig.Gps().GPSQueryFromSBM("GPSquery:0,0,45,0,2024-06-01 08:00:00,2024-06-01 09:00:00,");
    const Timer& timer = rig.Options().GPS_LocationUpdateTimer;
    EXPECT_TRUE(timer.Enabled());
    EXPECT_EQ(timer.Interval(), 45000);
    EXPECT_EQ(ToIsoText(rig.State().GPS_ReportStop), "2024-06-01 09:00:00");
    EXPECT_EQ(rig.State().GPS_ReportInterval, "45");
}

}  // namespace
}  // namespace shortmsg::gpstest
