#pragma once
// A periodic timer as the terminal's handlers use it: an interval in milliseconds and an
// enabled flag, ticking on the timer service. Enabling it, or writing its interval while it
// is enabled, restarts its count. The windows' timer controls are such timers that also
// show their changes.
#include <functional>

#include "platform/services.h"

namespace shortmsg {

class PeriodicTimer {
  public:
    PeriodicTimer(TimerService& service, int interval, bool enabled);
    virtual ~PeriodicTimer();
    PeriodicTimer(const PeriodicTimer&) = delete;
    PeriodicTimer& operator=(const PeriodicTimer&) = delete;

    int Interval() const { return interval_; }
    void SetInterval(int ms);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    // The period has passed: OnTimer runs while the timer is enabled.
    void Fire() const;

    std::function<void()> OnTimer;

  protected:
    enum class Change { Interval, Enabled };
    // Called after the interval or the enabled flag changed, before the count restarts.
    virtual void Changed(Change) const {}

  private:
    void Restart();

    TimerService& service_;
    int interval_;
    bool enabled_;
};

}  // namespace shortmsg
