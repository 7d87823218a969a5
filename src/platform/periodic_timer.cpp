#include "platform/periodic_timer.h"

namespace shortmsg {

PeriodicTimer::PeriodicTimer(TimerService& service, int interval, bool enabled)
    : service_(service), interval_(interval), enabled_(enabled) {
    if (enabled_) Restart();
}

PeriodicTimer::~PeriodicTimer() {
    if (enabled_) service_.Stop(this);
}

void PeriodicTimer::SetInterval(int ms) {
    const bool changed = ms != interval_;
    interval_ = ms;
    if (changed) Changed(Change::Interval);
    if (enabled_) Restart();
}

void PeriodicTimer::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    Changed(Change::Enabled);
    if (enabled_) {
        Restart();
    } else {
        service_.Stop(this);
    }
}

void PeriodicTimer::Fire() const {
    if (enabled_ && OnTimer) OnTimer();
}

void PeriodicTimer::Restart() {
    service_.Start(this, interval_, [this] { Fire(); });
}

}  // namespace shortmsg
