#include "app/demo_hooks.h"

#include <QDir>
#include <QTimer>
#include <cstdio>

#include "ui/qt/terminal_view.h"
#include "ui/terminal.h"

namespace shortmsg {
namespace {

// How long the options window is up for its screenshot.
constexpr int kOptionsShownMs = 700;

// Seconds (fractions allowed) as milliseconds; nullopt when unset or not a number >= 0.
std::optional<int> SecondsVariable(const char* name) {
    bool ok = false;
    const double seconds = qEnvironmentVariable(name).toDouble(&ok);
    if (!ok || seconds < 0 || seconds > 86400) return std::nullopt;
    return static_cast<int>(seconds * 1000);
}

void SaveScreenshot(QWidget* window, const QString& path) {
    if (window == nullptr || !window->grab().save(path)) {
        std::fprintf(stderr, "shortmsg: could not save %s\n", qPrintable(path));
        return;
    }
    std::printf("shortmsg: saved %s\n", qPrintable(path));
    std::fflush(stdout);
}

}  // namespace

DemoHooks ReadDemoHooks() {
    DemoHooks hooks;
    hooks.checkGps = qEnvironmentVariable("SHORTMSG_CHECK_GPS") == QLatin1String("1");
    hooks.screenshotDir = qEnvironmentVariable("SHORTMSG_SCREENSHOT_DIR");
    if (const auto after = SecondsVariable("SHORTMSG_SCREENSHOT_AFTER")) {
        hooks.screenshotAfterMs = *after;
    }
    hooks.runMs = SecondsVariable("SHORTMSG_RUN_SECONDS");
    return hooks;
}

void InstallDemoHooks(const DemoHooks& hooks, Terminal& terminal, qtui::TerminalView& view) {
    if (hooks.checkGps && !terminal.Options().EnableGPS.Checked()) {
        terminal.Options().EnableGPS.Toggle();
    }
    if (!hooks.screenshotDir.isEmpty()) {
        // The main window as it is; then the options window as "Options" shows it, and
        // back to the main window.
        const QString dir = hooks.screenshotDir;
        QTimer::singleShot(hooks.screenshotAfterMs, [&terminal, &view, dir] {
            QDir().mkpath(dir);
            SaveScreenshot(view.WindowOf(terminal.Sms()), dir + QStringLiteral("/main-window.png"));
            terminal.Sms().SerialPortSettings.Press();
        });
        QTimer::singleShot(hooks.screenshotAfterMs + kOptionsShownMs, [&terminal, &view, dir] {
            SaveScreenshot(view.WindowOf(terminal.Options()),
                           dir + QStringLiteral("/options-window.png"));
            terminal.Options().BackToMainButton.Press();
        });
    }
    if (hooks.runMs) {
        QTimer::singleShot(*hooks.runMs, [&terminal] { terminal.Sms().QuitButton.Press(); });
    }
}

}  // namespace shortmsg
