#pragma once
// Hooks for the demo and the end-to-end tests, read from the environment:
//
//   SHORTMSG_CHECK_GPS=1            checks "GPS Enable" at start, as the operator would
//   SHORTMSG_SCREENSHOT_DIR=<dir>   saves main-window.png there, then opens the options
//                                   window ("Options"), saves options-window.png and
//                                   goes "Back to Main"
//   SHORTMSG_SCREENSHOT_AFTER=<s>   ... that many seconds after start (default 8)
//   SHORTMSG_RUN_SECONDS=<s>        presses "Quit" that many seconds after start
//
// Without them the program runs until the operator quits.
#include <QString>
#include <optional>

namespace shortmsg {
class Terminal;
namespace qtui {
class TerminalView;
}

struct DemoHooks {
    bool checkGps = false;
    QString screenshotDir;
    int screenshotAfterMs = 8000;
    std::optional<int> runMs;
};

DemoHooks ReadDemoHooks();

// Arms the hooks on the running terminal (timers on the event loop).
void InstallDemoHooks(const DemoHooks& hooks, Terminal& terminal, qtui::TerminalView& view);

}  // namespace shortmsg
