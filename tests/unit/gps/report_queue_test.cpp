// Whether a report's lines still wait in the modem's command queue.
#include "gps/report_queue.h"

#include <gtest/gtest.h>

#include <string>

namespace shortmsg {
namespace {

struct QueueCase {
    const char* name;
    std::string queue;
    long txCommandEnd;  // where the line end of the command written last starts
    std::string lines;
    bool waiting;
};

void PrintTo(const QueueCase& c, std::ostream* os) {
    *os << c.name;
}

class StillQueued : public ::testing::TestWithParam<QueueCase> {};

TEST_P(StillQueued, LooksAfterTheCommandWrittenLast) {
    const auto& c = GetParam();
    EXPECT_EQ(ReportStillQueued(c.queue, c.txCommandEnd, c.lines), c.waiting);
}

const std::string kReport = "AT+SBDWT=GPRMC,1\r\nAT+SBDI\r\n";

INSTANTIATE_TEST_SUITE_P(
    Flood, StillQueued,
    ::testing::Values(
        QueueCase{"WaitsBehindOtherCommands", "AT\r\nAT+CPMS?\r\n" + kReport, 3, kReport, true},
        QueueCase{"FirstLineWritten", kReport, 16, kReport, false},
        QueueCase{"QueueEmpty", "", 0, kReport, false},
        QueueCase{"NothingWrittenYet", kReport, 0, kReport, true},
        // After a modem reset the queue holds only the start-up commands again.
        QueueCase{"DroppedByReset", "ATZ\r\nAT\r\nAT+CSMS?\r\n", 4, kReport, false},
        QueueCase{"OtherTextQueued", "AT\r\nAT+SBDWT=GPRMC,2\r\nAT+SBDI\r\n", 3, kReport, false},
        QueueCase{"NothingWasQueued", "AT\r\nAT+CPMS?\r\n", 3, "", false},
        QueueCase{"EndPastTheQueue", "AT\r\n", 40, kReport, false}));

}  // namespace
}  // namespace shortmsg
