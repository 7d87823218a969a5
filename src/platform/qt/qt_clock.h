#pragma once
// The local date and time from QDateTime, and a steady millisecond count.
#include <QElapsedTimer>

#include "platform/services.h"

namespace shortmsg {

class QtClock final : public Clock {
  public:
    QtClock();
    DateTime Now() override;
    std::int64_t MonotonicMs() override;

  private:
    QElapsedTimer elapsed_;
};

}  // namespace shortmsg
