#pragma once
// The terminal's timers on QTimer: one QTimer per Timer, ticking on the window thread.
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

    // Starts the count again with the timer's interval; one of 0 or less never fires.
    void Restart(Timer& timer) override;
    void Stop(Timer& timer) override;

    // Stops every timer for good: nothing fires or starts after this (the end of the
    // program).
    void StopAll();

  private:
    // The QTimers stay until the service goes: a timer may be stopped from inside its own
    // tick, when deleting its QTimer would pull it from under the running signal.
    std::map<Timer*, std::unique_ptr<QTimer>> timers_;
    bool stopped_ = false;
};

}  // namespace shortmsg
