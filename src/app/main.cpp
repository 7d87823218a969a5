// shortmsg: the terminal with its two windows, on the real serial ports, timers, clock and
// files; the command line in app/command_line.h.
#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <string>
#include <utility>

#include "app/command_line.h"
#include "app/demo_hooks.h"
#include "app/settings_keeper.h"
#include "app/start.h"
#include "app/window_title.h"
#include "platform/disk_files.h"
#include "platform/modem_log.h"
#include "platform/port_map.h"
#include "platform/qt/qt_clock.h"
#include "platform/qt/qt_message_box.h"
#include "platform/qt/qt_program_end.h"
#include "platform/qt/qt_serial_port.h"
#include "platform/qt/qt_timer_service.h"
#include "platform/qt/system_serial_ports.h"
#include "ui/qt/terminal_view.h"
#include "ui/terminal.h"

namespace {

using namespace shortmsg;

int Finish(const CommandLine::End& end) {
    std::fputs(qPrintable(end.text), end.status == 0 ? stdout : stderr);
    return end.status;
}

QStringList RawArguments(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// Qt's own options ("-platform offscreen", "-style fusion") begin with one dash, the
// program's with two.
bool HasQtOptions(const QStringList& arguments) {
    for (const QString& argument : arguments.mid(1)) {
        if (argument.size() > 1 && argument[0] == '-' && argument[1] != '-') return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication::setApplicationName(QStringLiteral("shortmsg"));
    QCoreApplication::setApplicationVersion(QStringLiteral(SHORTMSG_VERSION));
    // --help, --version and a command line not understood are answered before the display
    // is asked for, unless Qt's own options are in it: then once Qt has taken them out.
    const QStringList raw = RawArguments(argc, argv);
    if (const CommandLine early = ParseCommandLine(raw);
        early.end && (early.end->status == 0 || !HasQtOptions(raw))) {
        return Finish(*early.end);
    }
    QApplication application(argc, argv);
    QApplication::setDesktopFileName(QStringLiteral("org.shortmsg.shortmsg"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("org.shortmsg.shortmsg")));
    // The windows come and go as the forms say; only Quit ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    const CommandLine line = ParseCommandLine(QApplication::arguments());
    if (line.end) return Finish(*line.end);

    QtTimerService timers;
    QtClock clock;
    QtProgramEnd programEnd(timers);
    const std::filesystem::path portMap = DefaultPortMapFolder();
    QtSerialPort modem(portMap);
    QtSerialPort gps(portMap);
    // A message box is shown right after a port failed to open. Every open of either port
    // replaces the reason kept here, so the box says why the port tried last failed.
    std::string lastOpenFailure;
    QtMessageBox messageBox([&lastOpenFailure] { return std::exchange(lastOpenFailure, {}); });
    gps.OnChange([&] { lastOpenFailure = gps.TakeOpenFailure(); });
    const std::filesystem::path dataRoot = DefaultDataRoot();
    DiskFiles files(dataRoot);
    const CheckBox* logSwitch = nullptr;
    LoggedSerialPort loggedModem(modem, clock, dataRoot / "modem-log",
                                 [&logSwitch] { return logSwitch && logSwitch->Checked(); });

    qtui::TerminalView view(qtui::StandardLayout, SystemSerialPorts);
    SettingsKeeper keeper(DefaultSettingsFile(), view);
    if (line.resetSettings) keeper.Clear();
    Terminal terminal(Services{loggedModem, gps, timers, clock, messageBox, programEnd, files},
                      &keeper);
    logSwitch = &terminal.Options().ModemLog;

    const auto retitle = [&terminal, &view, &modem] {
        QWidget* window = terminal.Started() ? view.WindowOf(terminal.Sms()) : nullptr;
        if (window == nullptr) return;
        window->setWindowTitle(MainWindowTitle(terminal.Sms().Caption(), modem.CommPort(),
                                               modem.Device(), modem.PortOpen()));
    };
    modem.OnChange([&] {
        lastOpenFailure = modem.TakeOpenFailure();
        retitle();
    });
    ArmDemoTimers(line, terminal, view);
    StartTerminal(terminal, view, keeper);
    retitle();
    CheckGpsForDemo(line, terminal);
    // Quit may have been pressed already, from a message box shown at start.
    if (programEnd.Ended()) return 0;
    return QApplication::exec();
}
