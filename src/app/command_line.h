#pragma once
// The program's command line:
//
//   shortmsg [--reset-settings] [--demo-check-gps] [--quit-after S] [--screenshots DIR]
//   shortmsg --help | --version
//
// The demo switches are for the demo and the end-to-end tests: --demo-check-gps checks
// "GPS Enable" at start, as the operator would; --quit-after presses "Quit" S seconds after
// start; --screenshots saves main-window.png there, then opens the options window, saves
// options-window.png and goes "Back to Main" (half-way to --quit-after, else after 8 s).
#include <QString>
#include <QStringList>
#include <optional>

namespace shortmsg {

struct CommandLine {
    bool resetSettings = false;
    bool demoCheckGps = false;
    std::optional<int> quitAfterMs = {};
    QString screenshotDir = {};
    int screenshotAfterMs = 8000;

    // The program ends at once: the text to print (on standard error when `status` is not
    // 0) and the exit status. Set for --help, --version and a command line not understood.
    struct End {
        QString text;
        int status = 0;
    };
    std::optional<End> end = {};
};

// `arguments` with the program's name first, as QCoreApplication::arguments() gives them.
CommandLine ParseCommandLine(const QStringList& arguments);

}  // namespace shortmsg
