#include "platform/qt/qt_timer_service.h"

#include "ui/controls.h"

namespace shortmsg {

QtTimerService::~QtTimerService() = default;

void QtTimerService::Restart(Timer& timer) {
    if (stopped_) return;
    std::unique_ptr<QTimer>& qtimer = timers_[&timer];
    if (!qtimer) {
        qtimer = std::make_unique<QTimer>();
        QObject::connect(qtimer.get(), &QTimer::timeout, [this, &timer] {
            if (!stopped_) timer.Fire();
        });
    }
    if (timer.Interval() <= 0) {
        qtimer->stop();
        return;
    }
    qtimer->start(timer.Interval());
}

void QtTimerService::Stop(Timer& timer) {
    const auto found = timers_.find(&timer);
    if (found != timers_.end()) found->second->stop();
}

void QtTimerService::StopAll() {
    stopped_ = true;
    for (auto& entry : timers_) entry.second->stop();
}

}  // namespace shortmsg
