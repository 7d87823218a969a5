#pragma once
// The terminal's timers on QTimer: one QTimer per timer id, ticking on the window thread.
#include <QTimer>
#include <map>
#include <memory>

#include "platform/services.h"

namespace shortmsg {

class QtTimerService final : public TimerService {
  public:
    QtTimerService() = default;
    ~QtTimerService() override;
    QtTimerService(const QtTimerService&) = delete;
    QtTimerService& operator=(const QtTimerService&) = delete;

    void Start(TimerId id, int intervalMs, std::function<void()> tick) override;
    void Stop(TimerId id) override;

    // Stops every timer for good: nothing fires or starts after this (the end of the
    // program).
    void StopAll();

  private:
    // The QTimers stay until the service goes: a timer may be stopped from inside its own
    // tick, when deleting its QTimer would pull it from under the running signal.
    struct Running {
        std::unique_ptr<QTimer> qtimer;
        std::function<void()> tick;
    };
    std::map<TimerId, Running> timers_;
    bool stopped_ = false;
};

}  // namespace shortmsg
