// The "GPSquery:" command forms, and the malformed ones that must change nothing.
#include "gps/gps_query.h"

#include <gtest/gtest.h>

#include <string>

namespace shortmsg {
namespace {

using Kind = GpsQuery::Kind;

struct QueryCase {
    const char* name;
    std::string text;
    Kind kind;
    std::string threshold = {};
    int seconds = 0;
    std::string start = {};  // ISO text of the window
    std::string stop = {};
};

void PrintTo(const QueryCase& c, std::ostream* os) {
    *os << c.name;
}

class Query : public ::testing::TestWithParam<QueryCase> {};

TEST_P(Query, Parses) {
    const auto& c = GetParam();
    const GpsQuery q = ParseGpsQuery(c.text);
    ASSERT_EQ(static_cast<int>(q.kind), static_cast<int>(c.kind));
    if (c.kind == Kind::Distance || c.kind == Kind::Timed) {
        EXPECT_EQ(q.threshold, c.threshold);
    }
    if (c.kind != Kind::Timed) return;
    EXPECT_EQ(q.intervalSeconds, c.seconds);
    EXPECT_EQ(ToIsoText(q.start), c.start);
    EXPECT_EQ(ToIsoText(q.stop), c.stop);
}

// The golden scenarios gps/query_forms_*, distance_*, timed_reports and timed_windows run
// "GPSquery:1", "...GPSquery:10", "GPSquery:0,0.03,", "GPSquery:0,0.0,", the quick
// message's timed sample, an ISO window and one with start after stop.
INSTANTIATE_TEST_SUITE_P(
    Forms, Query,
    ::testing::Values(
        QueryCase{"NoCommand", "Please call me!", Kind::None},
        QueryCase{"CaseSensitive", "gpsquery:1", Kind::None},
        QueryCase{"ImmediateAnythingAfter", "GPSquery:1,0,5,", Kind::Immediate},
        QueryCase{"FirstCommandCounts", "GPSquery:1 GPSquery:0,5,", Kind::Immediate},
        QueryCase{"DistanceAnyMode", "GPSquery:x,2,", Kind::Distance, "2"},
        QueryCase{"DistanceLongFieldOne", "GPSquery:05,2,", Kind::Distance, "2"},
        QueryCase{"DistanceModeIsTheComma", "GPSquery:,0.5,", Kind::Distance, "0.5"},
        QueryCase{"DistanceTrailingText", "GPSquery:0,0.03,thanks", Kind::Distance, "0.03"},
        QueryCase{"DistanceEmpty", "GPSquery:0,,", Kind::Distance, ""},
        QueryCase{"DistanceNotANumber", "GPSquery:0,nan,", Kind::Distance, "nan"},
        QueryCase{"TimedOneSecond", "GPSquery:0,0,1,x,2024-06-01 08:00:00,2024-06-01 09:00:00,",
                  Kind::Timed, "0", 1, "2024-06-01 08:00:00", "2024-06-01 09:00:00"},
        QueryCase{"TimedOneDay", "GPSquery:0,0,86400,0,2024-06-01 08:00:00,2024-06-09 08:00:00,",
                  Kind::Timed, "0", 86400, "2024-06-01 08:00:00", "2024-06-09 08:00:00"}));

// Refused: changes nothing. Cutting these the plain way would take negative lengths or read
// fields that are not there.
INSTANTIATE_TEST_SUITE_P(
    Malformed, Query,
    ::testing::Values(
        QueryCase{"NoMode", "GPSquery:", Kind::Refused},
        QueryCase{"NoFieldOneComma", "GPSquery:0", Kind::Refused},
        QueryCase{"TimedNothingMore", "GPSquery:0,0,", Kind::Refused},
        QueryCase{"TimedIntervalOnly", "GPSquery:0,0,60,", Kind::Refused},
        QueryCase{"TimedNoStop", "GPSquery:0,0,60,0,01/13/03 03:26:00 pm,", Kind::Refused},
        QueryCase{"TimedStopWithoutComma",
                  "GPSquery:0,0,60,0,01/13/03 03:26:00 pm,01/13/03 03:29:00 pm", Kind::Refused},
        QueryCase{"IntervalZero", "GPSquery:0,0,0,0,2024-06-01 08:00:00,2024-06-01 09:00:00,",
                  Kind::Refused},
        QueryCase{"IntervalOverADay",
                  "GPSquery:0,0,86401,0,2024-06-01 08:00:00,2024-06-01 09:00:00,", Kind::Refused},
        QueryCase{"IntervalHuge",
                  "GPSquery:0,0,99999999999999999999,0,2024-06-01 08:00:00,2024-06-01 09:00:00,",
                  Kind::Refused},
        QueryCase{"IntervalFraction", "GPSquery:0,0,1.5,0,2024-06-01 08:00:00,2024-06-01 09:00:00,",
                  Kind::Refused},
        QueryCase{"IntervalEmpty", "GPSquery:0,0,,0,2024-06-01 08:00:00,2024-06-01 09:00:00,",
                  Kind::Refused},
        QueryCase{"StartNotADateTime", "GPSquery:0,0,60,0,soon,2024-06-01 09:00:00,",
                  Kind::Refused},
        QueryCase{"StopNotADateTime", "GPSquery:0,0,60,0,2024-06-01 08:00:00,13/45/03 1:00:00,",
                  Kind::Refused}));

}  // namespace
}  // namespace shortmsg
