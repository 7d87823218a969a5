// A timer without a positive interval never fires. Every other rule of the virtual clock
// (the order of events and timers, restarts, waits inside a tick) shows in the golden
// scenarios, which print the time of everything.
#include <gtest/gtest.h>

#include "platform/periodic_timer.h"
#include "platform/testing/virtual_clock.h"

namespace shortmsg {
namespace {

TEST(VirtualClock, TimersWithoutAPositiveIntervalNeverFire) {
    for (const int interval : {0, -1, -500}) {
        VirtualClock clock;
        PeriodicTimer timer(clock, interval, true);
        int ticks = 0;
        timer.OnTimer = [&ticks] { ++ticks; };
        clock.RunUntil(100000);
        EXPECT_EQ(ticks, 0) << interval;
        EXPECT_FALSE(clock.NextDue().has_value()) << interval;
    }
}

}  // namespace
}  // namespace shortmsg
