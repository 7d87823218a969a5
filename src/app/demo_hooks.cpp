#include "app/demo_hooks.h"

#include <QDir>
#include <QTimer>
#include <cstdio>

#include "app/command_line.h"
#include "ui/qt/terminal_view.h"
#include "ui/terminal.h"

namespace shortmsg {
namespace {

// How long the options window is up for its screenshot.
constexpr int kOptionsShownMs = 700;

void SaveScreenshot(QWidget* window, const QString& path) {
    if (window == nullptr || !window->grab().save(path)) {
        std::fprintf(stderr, "shortmsg: could not save %s\n", qPrintable(path));
        return;
    }
    std::printf("shortmsg: saved %s\n", qPrintable(path));
    std::fflush(stdout);
}

}  // namespace

void ArmDemoTimers(const CommandLine& line, Terminal& terminal, qtui::TerminalView& view) {
    if (!line.screenshotDir.isEmpty()) {
        // The main window as it is; then the options window as "Options" shows it, and
        // back to the main window.
        const QString dir = line.screenshotDir;
        QTimer::singleShot(line.screenshotAfterMs, [&terminal, &view, dir] {
            QDir().mkpath(dir);
            SaveScreenshot(view.WindowOf(terminal.Sms()), dir + QStringLiteral("/main-window.png"));
            terminal.Sms().SerialPortSettings.Press();
        });
        QTimer::singleShot(line.screenshotAfterMs + kOptionsShownMs, [&terminal, &view, dir] {
            SaveScreenshot(view.WindowOf(terminal.Options()),
                           dir + QStringLiteral("/options-window.png"));
            terminal.Options().BackToMainButton.Press();
        });
    }
    if (line.quitAfterMs) {
        QTimer::singleShot(*line.quitAfterMs, [&terminal] { terminal.Sms().QuitButton.Press(); });
    }
}

void CheckGpsForDemo(const CommandLine& line, Terminal& terminal) {
    if (line.demoCheckGps && !terminal.Options().EnableGPS.Checked()) {
        terminal.Options().EnableGPS.Toggle();
    }
}

}  // namespace shortmsg
