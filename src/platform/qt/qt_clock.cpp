#include "platform/qt/qt_clock.h"

#include <QDateTime>

namespace shortmsg {

QtClock::QtClock() {
    elapsed_.start();
}

DateTime QtClock::Now() {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate d = now.date();
    const QTime t = now.time();
    return FromCivil(CivilTime{d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()});
}

std::int64_t QtClock::MonotonicMs() {
    return elapsed_.elapsed();
}

}  // namespace shortmsg
