#pragma once
// Virtual time for running the terminal without waiting: the timer service and the local
// clock on a millisecond count that moves only when told to. Scheduled events (bytes from a
// modem, an operator's click) and the timers run in a fixed order:
//
//  - events come first: everything scheduled at or before the current time runs before any
//    timer, in (time, scheduling order);
//  - due timers fire in the order of their due times, ties in the order they were last
//    started; a timer with an interval of 0 or less never fires;
//  - a timer fires on its grid (start + k x interval). One that is overdue (its time passed
//    during a wait inside a tick) fires once and then goes on at the next grid point.
//
// A handler may wait inside its tick (a serial port's WaitForInput): time moves on, the
// world events due meanwhile (bytes arriving, ports coming and going, clock settings) take
// effect at their times, but no timer fires and no operator event runs until the tick ends.
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "platform/services.h"

namespace shortmsg {

class VirtualClock final : public TimerService, public Clock {
  public:
    using Ms = std::int64_t;

    enum class EventKind {
        World,     // takes effect at its time even during a wait inside a tick
        Operator,  // runs only between ticks
    };

    // `start`: the time the count begins at (before 0 for what happens before start-up).
    explicit VirtualClock(Ms start = 0);

    Ms NowMs() const { return now_; }

    // Clock: the local date and time. It starts at 2000-01-01 00:00:00 at time 0.
    DateTime Now() override;
    // The local date and time is `t` from now on, and runs on with virtual time.
    void SetLocalTime(DateTime t);
    // The virtual millisecond count.
    std::int64_t MonotonicMs() override { return now_; }

    // TimerService.
    void Start(TimerId id, int intervalMs, std::function<void()> tick) override;
    void Stop(TimerId id) override;

    // Schedules `action` at `at`; events with equal times run in scheduling order.
    void Schedule(Ms at, EventKind kind, std::function<void()> action);

    // Runs one thing due at or before `until` (an event, else a timer) and returns true;
    // false when nothing is due by then (time does not move then).
    bool Step(Ms until);
    // Steps until nothing is due by `until` or `stop()` says so; time ends at `until`
    // unless stopped early.
    void RunUntil(Ms until, const std::function<bool()>& stop = {});

    // A wait inside a tick: returns true as soon as `ready()` holds, false once `ms` have
    // passed. World events due meanwhile run at their times; nothing else does.
    bool WaitFor(int ms, const std::function<bool()>& ready);

    // The time of the next scheduled event or timer, if any.
    std::optional<Ms> NextDue() const;

  private:
    struct Scheduled {
        EventKind kind;
        std::function<void()> action;
    };
    using EventKey = std::pair<Ms, std::uint64_t>;  // time, scheduling order
    struct RunningTimer {
        TimerId id;
        std::function<void()> tick;
        Ms start;
        Ms interval;
        Ms due;
        std::uint64_t startOrder;
    };

    using EventMap = std::map<EventKey, Scheduled>;

    // The first event due at or before `until` (world events only, if asked).
    EventMap::iterator FirstEventDue(Ms until, bool worldOnly);
    // The first timer due at or before `until`: earliest due time, then earliest start.
    std::optional<size_t> FirstTimerDue(Ms until) const;
    void RunEvent(EventMap::iterator event);
    void FireTimer(size_t index);

    Ms now_ = 0;
    DateTime localBase_;
    Ms localBaseAt_ = 0;
    std::uint64_t nextOrder_ = 0;
    EventMap events_;
    std::vector<RunningTimer> timers_;  // only timers that can fire (interval > 0)
};

}  // namespace shortmsg
