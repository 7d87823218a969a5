#pragma once
// Keeping position reports from piling up in the modem's command queue.
//
// Distance and timed reports come from timers, whatever the modem is doing. When the modem
// is slow or not answering, each tick would add one more message to the queue, and the
// queue, and what the messages cost, would grow without bound. So a report is skipped
// while the previous report from the same source (distance tracking, timed reports) still
// waits unwritten in the queue; once its first line has gone to the modem the next report
// may be queued. The source remembers the lines its last report appended, and the test is
// whether those lines still stand, whole, in what waits in the queue. That part only loses
// lines at its front (the pump) or all at once (a modem reset), so the test cannot miss a
// report that is still waiting. An identical message queued by someone else (a query reply
// with the same sentence to the same number) holds the next report back just the same,
// until it is written.
#include <string_view>

namespace shortmsg {

// Whether `lines` still stand, whole, in `waiting` (the queue after its command written
// last). An empty `lines` (nothing was queued) never waits.
bool ReportStillQueued(std::string_view waiting, std::string_view lines);

}  // namespace shortmsg
