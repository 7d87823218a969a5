// The start and stop texts of timed "GPSquery:" commands.
#include "gps/query_date_time.h"

#include <gtest/gtest.h>

#include <optional>

namespace shortmsg {
namespace {

struct DateTimeCase {
    const char* text;
    std::optional<CivilTime> expected;
};

void PrintTo(const DateTimeCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class QueryDateTime : public ::testing::TestWithParam<DateTimeCase> {};

TEST_P(QueryDateTime, Reads) {
    const auto& c = GetParam();
    const auto got = ParseQueryDateTime(c.text);
    ASSERT_EQ(got.has_value(), c.expected.has_value());
    if (got) {
        EXPECT_EQ(ToIsoText(*got), ToIsoText(FromCivil(*c.expected)));
    }
}

CivilTime At(int y, int mo, int d, int h, int mi, int s) {
    return CivilTime{y, mo, d, h, mi, s};
}

INSTANTIATE_TEST_SUITE_P(
    MonthDayYear, QueryDateTime,
    ::testing::Values(DateTimeCase{"01/13/03 03:26:00 pm", At(2003, 1, 13, 15, 26, 0)},
                      DateTimeCase{"1/2/3 4:5:6 am", At(2003, 1, 2, 4, 5, 6)},
                      DateTimeCase{"12/31/29 11:59:59 PM", At(2029, 12, 31, 23, 59, 59)},
                      DateTimeCase{"01/01/30 00:00:00", At(1930, 1, 1, 0, 0, 0)},
                      DateTimeCase{"06/15/00 01:00:00 aM", At(2000, 6, 15, 1, 0, 0)},
                      DateTimeCase{"06/15/2024 01:00:00 pm", At(2024, 6, 15, 13, 0, 0)},
                      DateTimeCase{"06/15/24 12:00:00 am", At(2024, 6, 15, 0, 0, 0)},
                      DateTimeCase{"06/15/24 12:30:00 pm", At(2024, 6, 15, 12, 30, 0)},
                      DateTimeCase{"06/15/24 12:30:00pm", At(2024, 6, 15, 12, 30, 0)},
                      DateTimeCase{"  02/29/24 08:00:00 am  ", At(2024, 2, 29, 8, 0, 0)},
                      DateTimeCase{"06/15/24  8:00:00   am", At(2024, 6, 15, 8, 0, 0)}));

INSTANTIATE_TEST_SUITE_P(
    Iso, QueryDateTime,
    ::testing::Values(DateTimeCase{"2003-01-13T15:26:00", At(2003, 1, 13, 15, 26, 0)},
                      DateTimeCase{"2024-02-29 00:00:00", At(2024, 2, 29, 0, 0, 0)},
                      DateTimeCase{"1999-12-31 23:59:59", At(1999, 12, 31, 23, 59, 59)}));

INSTANTIATE_TEST_SUITE_P(
    NotDateTimes, QueryDateTime,
    ::testing::Values(DateTimeCase{"", std::nullopt}, DateTimeCase{"01/13/03", std::nullopt},
                      DateTimeCase{"03:26:00 pm", std::nullopt},
                      DateTimeCase{"02/30/03 03:26:00 pm", std::nullopt},  // no such day
                      DateTimeCase{"02/29/23 03:26:00 pm", std::nullopt},  // not a leap year
                      DateTimeCase{"13/01/03 03:26:00 pm", std::nullopt},  // month 13
                      DateTimeCase{"00/01/03 03:26:00 pm", std::nullopt},
                      DateTimeCase{"01/13/03 13:26:00 pm", std::nullopt},  // 13 pm
                      DateTimeCase{"01/13/03 00:26:00 am", std::nullopt},  // 0 am
                      DateTimeCase{"01/13/03 24:00:00", std::nullopt},
                      DateTimeCase{"01/13/03 10:00:60 am", std::nullopt},
                      DateTimeCase{"01/13/03 10:00 am", std::nullopt},      // seconds missing
                      DateTimeCase{"01/13/003 10:00:00 am", std::nullopt},  // three-digit year
                      DateTimeCase{"01/13/03 10:00:00 xm", std::nullopt},
                      DateTimeCase{"01/13/03 10:00:00 am!", std::nullopt},
                      DateTimeCase{"01/13/0310:00:00", std::nullopt},
                      DateTimeCase{"001/13/03 10:00:00", std::nullopt},
                      DateTimeCase{"2003-1-13 15:26:00", std::nullopt},
                      DateTimeCase{"2003-01-13", std::nullopt},
                      DateTimeCase{"2003-01-13 15:26:00 pm", std::nullopt},
                      DateTimeCase{"2003-02-30 15:26:00", std::nullopt}));

}  // namespace
}  // namespace shortmsg
