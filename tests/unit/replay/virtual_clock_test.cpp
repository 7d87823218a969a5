// The virtual clock's ordering rules: due timers in time order with ties by last start,
// restarts on interval writes, and a wait that takes no time. Events before timers, waits
// that end at an arrival, operator events and overdue timers after a wait, and the local
// time running on from a "clock" event show in the golden scenarios
// (link/new_message_wait, messages/receive_late_pdu, gps/timed_reports).
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/testing/virtual_clock.h"
#include "ui/controls.h"

namespace shortmsg {
namespace {

using Ms = VirtualClock::Ms;
using Kind = VirtualClock::EventKind;

// A form with timers whose ticks, and the scheduled events, go into one log "name@ms".
struct Bench {
    VirtualClock clock;
    Form form{"F", "F"};
    std::vector<std::string> log;

    Timer& Add(const std::string& name, int interval, bool enabled = true) {
        timers.push_back(std::make_unique<Timer>(form, name, clock, interval, enabled));
        Timer& t = *timers.back();
        t.OnTimer = [this, name] { Note(name); };
        return t;
    }
    void Note(const std::string& what) {
        log.push_back(what + "@" + std::to_string(clock.NowMs()));
    }
    std::vector<std::unique_ptr<Timer>> timers;
};

using Log = std::vector<std::string>;

TEST(VirtualClockOrder, TimersDueTogetherFireInTheOrderTheyWereLastStarted) {
    Bench b;
    Timer& a = b.Add("a", 500);
    b.Add("b", 250);
    b.clock.RunUntil(500);
    EXPECT_EQ(b.log, (Log{"b@250", "a@500", "b@500"}));

    // Restarting a at 500 puts it behind b on every later tie.
    a.SetInterval(500);
    b.log.clear();
    b.clock.RunUntil(1000);
    EXPECT_EQ(b.log, (Log{"b@750", "b@1000", "a@1000"}));
}

TEST(VirtualClockRestart, WritingTheIntervalRestartsEnablingARunningTimerDoesNot) {
    const std::pair<std::function<void(Timer&)>, Log> cases[] = {
        {[](Timer& t) { t.SetInterval(500); }, Log{"t@800", "t@1300"}},
        {[](Timer& t) { t.SetEnabled(true); }, Log{"t@500", "t@1000"}},
        {[](Timer& t) {
             t.SetEnabled(false);
             t.SetEnabled(true);
         },
         Log{"t@800", "t@1300"}},
    };
    for (const auto& [at300, expected] : cases) {
        Bench b;
        Timer& t = b.Add("t", 500);
        b.clock.Schedule(300, Kind::Operator, [&t, &at300 = at300] { at300(t); });
        b.clock.RunUntil(1300);
        EXPECT_EQ(b.log, expected);
    }
}

TEST(VirtualClockRestart, TimersWithoutAPositiveIntervalNeverFire) {
    for (const int interval : {0, -1, -500}) {
        Bench b;
        b.Add("t", interval);
        b.clock.RunUntil(100000);
        EXPECT_TRUE(b.log.empty()) << interval;
        EXPECT_FALSE(b.clock.NextDue().has_value()) << interval;
    }
}

TEST(VirtualClockWait, AWaitOfNothingOrWithInputAlreadyThereTakesNoTime) {
    VirtualClock clock;
    EXPECT_FALSE(clock.WaitFor(0, [] { return false; }));
    EXPECT_TRUE(clock.WaitFor(500, [] { return true; }));
    EXPECT_EQ(clock.NowMs(), 0);
    EXPECT_FALSE(clock.WaitFor(500, [] { return false; }));
    EXPECT_EQ(clock.NowMs(), 500);
}

}  // namespace
}  // namespace shortmsg
