// shortmsg: the terminal with its two windows, on the real serial ports, timers, clock and
// files.
#include <QApplication>

#include "app/demo_hooks.h"
#include "platform/disk_files.h"
#include "platform/port_map.h"
#include "platform/qt/qt_clock.h"
#include "platform/qt/qt_message_box.h"
#include "platform/qt/qt_program_end.h"
#include "platform/qt/qt_serial_port.h"
#include "platform/qt/qt_timer_service.h"
#include "ui/qt/terminal_view.h"
#include "ui/terminal.h"

int main(int argc, char** argv) {
    using namespace shortmsg;
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("shortmsg"));
    // The windows come and go as the forms say; only Quit ends the program.
    QApplication::setQuitOnLastWindowClosed(false);

    QtTimerService timers;
    QtClock clock;
    QtMessageBox messageBox;
    QtProgramEnd programEnd(timers);
    const std::filesystem::path portMap = DefaultPortMapFolder();
    QtSerialPort modem(portMap);
    QtSerialPort gps(portMap);
    DiskFiles files(DefaultDataRoot());

    qtui::TerminalView view;
    Terminal terminal(Services{modem, gps, timers, clock, messageBox, programEnd, files}, &view);
    terminal.Start();
    view.Attach(terminal.Options());

    InstallDemoHooks(ReadDemoHooks(), terminal, view);
    return QApplication::exec();
}
