#include "platform/qt/qt_program_end.h"

#include <QApplication>
#include <QWidget>

#include "platform/qt/qt_timer_service.h"

namespace shortmsg {

void QtProgramEnd::End() {
    ended_ = true;
    timers_.StopAll();
    // Hidden windows take no more clicks or typing from events still queued.
    for (QWidget* window : QApplication::topLevelWidgets()) window->hide();
    QCoreApplication::exit(0);
}

}  // namespace shortmsg
