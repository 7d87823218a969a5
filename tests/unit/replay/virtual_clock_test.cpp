// The virtual clock's ordering rules: events before timers, due timers in time order with
// ties by last start, restarts on interval writes, and waits inside a tick.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/virtual_clock.h"
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
    void At(Ms at, const std::string& what, Kind kind = Kind::Operator) {
        clock.Schedule(at, kind, [this, what] { Note(what); });
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

TEST(VirtualClockOrder, EventsComeBeforeTimersDueAtTheSameTime) {
    Bench b;
    b.Add("timer", 200);
    b.At(200, "click");
    b.At(400, "bytes", Kind::World);
    b.At(400, "later click");
    b.clock.RunUntil(400);
    EXPECT_EQ(b.log, (Log{"click@200", "timer@200", "bytes@400", "later click@400", "timer@400"}));
}

TEST(VirtualClockOrder, EventsAtTheSameTimeRunInSchedulingOrder) {
    Bench b;
    b.At(100, "second-scheduled-later");
    b.At(50, "first");
    b.At(100, "third");
    b.clock.RunUntil(1000);
    EXPECT_EQ(b.log, (Log{"first@50", "second-scheduled-later@100", "third@100"}));
}

TEST(VirtualClockRestart, WritingTheIntervalRestartsTheCountEvenWhenUnchanged) {
    Bench b;
    Timer& t = b.Add("t", 500);
    b.clock.Schedule(300, Kind::Operator, [&t] { t.SetInterval(500); });
    b.clock.RunUntil(1300);
    EXPECT_EQ(b.log, (Log{"t@800", "t@1300"}));
}

TEST(VirtualClockRestart, EnablingARunningTimerKeepsItsCount) {
    Bench b;
    Timer& t = b.Add("t", 500);
    b.clock.Schedule(300, Kind::Operator, [&t] { t.SetEnabled(true); });
    b.clock.RunUntil(1000);
    EXPECT_EQ(b.log, (Log{"t@500", "t@1000"}));
}

TEST(VirtualClockRestart, StoppedAndReenabledTimerCountsFromTheNewStart) {
    Bench b;
    Timer& t = b.Add("t", 500);
    b.clock.Schedule(700, Kind::Operator, [&t] { t.SetEnabled(false); });
    b.clock.Schedule(900, Kind::Operator, [&t] { t.SetEnabled(true); });
    b.clock.RunUntil(2000);
    EXPECT_EQ(b.log, (Log{"t@500", "t@1400", "t@1900"}));
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

TEST(VirtualClockRestart, AHandlerMayStopOrRestartItsOwnTimer) {
    Bench b;
    Timer& once = b.Add("once", 100);
    once.OnTimer = [&] {
        b.Note("once");
        once.SetEnabled(false);
    };
    Timer& stretch = b.Add("stretch", 300);
    stretch.OnTimer = [&] {
        b.Note("stretch");
        stretch.SetInterval(stretch.Interval() * 2);
    };
    b.clock.RunUntil(2100);
    EXPECT_EQ(b.log, (Log{"once@100", "stretch@300", "stretch@900", "stretch@2100"}));
}

// A 200 ms timer whose first tick waits inside the handler, as a port read does.
struct WaitingTick : Bench {
    explicit WaitingTick(int waitMs) {
        Timer& service = Add("service", 200);
        service.OnTimer = [this, waitMs] {
            Note("service");
            if (!waited) {
                waited = true;
                clock.WaitFor(waitMs, [this] { return ready; });
                Note("waited");
            }
        };
        Add("half", 500);
    }
    bool waited = false;
    bool ready = false;
};

TEST(VirtualClockWait, NoTimerFiresDuringAWaitAndOverdueTimersFireOnceKeepingTheirGrid) {
    WaitingTick b(1000);
    b.clock.RunUntil(1600);
    EXPECT_EQ(b.log, (Log{"service@200", "waited@1200", "service@1200", "half@1200", "service@1400",
                          "half@1500", "service@1600"}));
}

TEST(VirtualClockWait, OperatorEventsDueMeanwhileRunAfterTheTickBeforeOverdueTimers) {
    WaitingTick b(1000);
    b.At(700, "click");
    b.At(900, "bytes", Kind::World);
    b.clock.RunUntil(1200);
    EXPECT_EQ(b.log, (Log{"service@200", "bytes@900", "waited@1200", "click@1200", "service@1200",
                          "half@1200"}));
}

TEST(VirtualClockWait, TheWaitEndsAtTheWorldEventThatBringsWhatItWaitsFor) {
    WaitingTick b(1000);
    b.clock.Schedule(300, Kind::World, [] {});
    b.clock.Schedule(450, Kind::World, [&b] { b.ready = true; });
    b.clock.RunUntil(600);
    EXPECT_EQ(b.log, (Log{"service@200", "waited@450", "service@450", "half@500", "service@600"}))
        << "the service tick due at 400 passed during the wait: it fires once, at 450";
}

TEST(VirtualClockWait, AWaitOfNothingOrWithInputAlreadyThereTakesNoTime) {
    VirtualClock clock;
    EXPECT_FALSE(clock.WaitFor(0, [] { return false; }));
    EXPECT_TRUE(clock.WaitFor(500, [] { return true; }));
    EXPECT_EQ(clock.NowMs(), 0);
    EXPECT_FALSE(clock.WaitFor(500, [] { return false; }));
    EXPECT_EQ(clock.NowMs(), 500);
}

TEST(VirtualClockRun, StepsUntilNothingIsDueOrTheStopSaysSo) {
    Bench b;
    b.Add("t", 100);
    bool stop = false;
    b.clock.Schedule(250, Kind::Operator, [&stop] { stop = true; });
    b.clock.RunUntil(1000, [&stop] { return stop; });
    EXPECT_EQ(b.clock.NowMs(), 250);
    EXPECT_EQ(b.log, (Log{"t@100", "t@200"}));
    EXPECT_FALSE(b.clock.Step(250));
    EXPECT_EQ(b.clock.NextDue(), 300);
}

TEST(VirtualClockLocalTime, StartsAtTheTurnOfTheMillenniumAndRunsOnFromASetting) {
    VirtualClock clock;
    EXPECT_EQ(ToIsoText(clock.Now()), "2000-01-01 00:00:00");
    clock.Schedule(1500, Kind::World, [&clock] {
        clock.SetLocalTime(FromCivil(CivilTime{2003, 1, 13, 15, 26, 0}));
    });
    struct Case {
        Ms at;
        const char* local;
    };
    for (const Case& c : {Case{999, "2000-01-01 00:00:00"}, Case{1499, "2000-01-01 00:00:01"},
                          Case{2499, "2003-01-13 15:26:00"}, Case{2500, "2003-01-13 15:26:01"},
                          Case{61500, "2003-01-13 15:27:00"}}) {
        clock.RunUntil(c.at);
        EXPECT_EQ(ToIsoText(clock.Now()), c.local) << c.at;
    }
    EXPECT_EQ(clock.MonotonicMs(), 61500);
}

TEST(VirtualClockLocalTime, BeforeStartUpTheClockReadsJustBeforeItsStart) {
    VirtualClock clock(-1500);
    EXPECT_EQ(ToIsoText(clock.Now()), "1999-12-31 23:59:58");
}

}  // namespace
}  // namespace shortmsg
