// Malformed "GPSquery:" commands change nothing, by SMS or short burst data. Every
// well-formed one, with its reply, runs whole in the golden scenarios gps/query_forms_sms,
// query_forms_sbd, distance_*, timed_reports and timed_windows.
#include <gtest/gtest.h>

#include <string>

#include "support/terminal_rig.h"

namespace shortmsg {
namespace {

using namespace testing;

const std::string kValid = Rmc("4800.600", "N", "01100.000", "E");
const std::string kSender = "+447700900123";
const std::string kTimed = "GPSquery:0,0,60,0,01/13/03 03:26:00 pm,01/13/03 03:29:00 pm,";

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
