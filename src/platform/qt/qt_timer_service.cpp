#include "platform/qt/qt_timer_service.h"

namespace shortmsg {

QtTimerService::~QtTimerService() = default;

void QtTimerService::Start(TimerId id, int intervalMs, std::function<void()> tick) {
    if (stopped_) return;
    Running& running = timers_[id];
    running.tick = std::move(tick);
    if (!running.qtimer) {
        running.qtimer = std::make_unique<QTimer>();
        QObject::connect(running.qtimer.get(), &QTimer::timeout, [this, id] {
            if (stopped_) return;
            const auto found = timers_.find(id);
            if (found == timers_.end()) return;
            const std::function<void()> tick = found->second.tick;  // may restart the timer
            tick();
        });
    }
    if (intervalMs <= 0) {
        running.qtimer->stop();
        return;
    }
    running.qtimer->start(intervalMs);
}

void QtTimerService::Stop(TimerId id) {
    const auto found = timers_.find(id);
    if (found != timers_.end()) found->second.qtimer->stop();
}

void QtTimerService::StopAll() {
    stopped_ = true;
    for (auto& entry : timers_) entry.second.qtimer->stop();
}

}  // namespace shortmsg
