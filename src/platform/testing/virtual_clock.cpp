#include "platform/testing/virtual_clock.h"

#include <algorithm>

namespace shortmsg {
namespace {

// Whole seconds in `ms`, rounded down (also for times before the clock was set).
std::int64_t FloorSeconds(std::int64_t ms) {
    return ms >= 0 ? ms / 1000 : -((-ms + 999) / 1000);
}

}  // namespace

VirtualClock::VirtualClock(Ms start)
    : now_(start), localBase_(FromCivil(CivilTime{2000, 1, 1, 0, 0, 0})) {}

DateTime VirtualClock::Now() {
    return DateTime{localBase_.seconds + FloorSeconds(now_ - localBaseAt_)};
}

void VirtualClock::SetLocalTime(DateTime t) {
    localBase_ = t;
    localBaseAt_ = now_;
}

void VirtualClock::Start(TimerId id, int intervalMs, std::function<void()> tick) {
    Stop(id);
    if (intervalMs <= 0) return;  // never fires
    timers_.push_back(
        RunningTimer{id, std::move(tick), now_, intervalMs, now_ + intervalMs, nextOrder_++});
}

void VirtualClock::Stop(TimerId id) {
    std::erase_if(timers_, [&](const RunningTimer& r) { return r.id == id; });
}

void VirtualClock::Schedule(Ms at, EventKind kind, std::function<void()> action) {
    events_.emplace(EventKey{at, nextOrder_++}, Scheduled{kind, std::move(action)});
}

VirtualClock::EventMap::iterator VirtualClock::FirstEventDue(Ms until, bool worldOnly) {
    for (auto it = events_.begin(); it != events_.end() && it->first.first <= until; ++it) {
        if (!worldOnly || it->second.kind == EventKind::World) return it;
    }
    return events_.end();
}

std::optional<size_t> VirtualClock::FirstTimerDue(Ms until) const {
    std::optional<size_t> first;
    for (size_t i = 0; i < timers_.size(); ++i) {
        const RunningTimer& t = timers_[i];
        if (t.due > until) continue;
        if (!first || t.due < timers_[*first].due ||
            (t.due == timers_[*first].due && t.startOrder < timers_[*first].startOrder)) {
            first = i;
        }
    }
    return first;
}

void VirtualClock::RunEvent(EventMap::iterator event) {
    now_ = std::max(now_, event->first.first);
    const std::function<void()> action = std::move(event->second.action);
    events_.erase(event);
    action();
}

void VirtualClock::FireTimer(size_t index) {
    RunningTimer& t = timers_[index];
    now_ = std::max(now_, t.due);
    // The next grid point after now: an overdue timer fires once, then keeps its grid.
    t.due = t.start + ((now_ - t.start) / t.interval + 1) * t.interval;
    const std::function<void()> tick = t.tick;  // the tick may restart or stop timers
    tick();
}

bool VirtualClock::Step(Ms until) {
    // Events that fell due during a wait run before any timer.
    if (auto overdue = FirstEventDue(now_, false); overdue != events_.end()) {
        RunEvent(overdue);
        return true;
    }
    const auto event = FirstEventDue(until, false);
    const auto timer = FirstTimerDue(until);
    if (event != events_.end() && (!timer || event->first.first <= timers_[*timer].due)) {
        RunEvent(event);
        return true;
    }
    if (!timer) return false;
    FireTimer(*timer);
    return true;
}

void VirtualClock::RunUntil(Ms until, const std::function<bool()>& stop) {
    while (!(stop && stop())) {
        if (!Step(until)) {
            now_ = std::max(now_, until);
            return;
        }
    }
}

bool VirtualClock::WaitFor(int ms, const std::function<bool()>& ready) {
    if (ready()) return true;
    if (ms <= 0) return false;
    const Ms deadline = now_ + ms;
    for (;;) {
        const auto event = FirstEventDue(deadline, true);
        if (event == events_.end()) {
            now_ = deadline;
            return ready();
        }
        RunEvent(event);
        if (ready()) return true;
    }
}

std::optional<VirtualClock::Ms> VirtualClock::NextDue() const {
    std::optional<Ms> next;
    if (!events_.empty()) next = events_.begin()->first.first;
    for (const RunningTimer& t : timers_) {
        if (!next || t.due < *next) next = t.due;
    }
    return next;
}

}  // namespace shortmsg
