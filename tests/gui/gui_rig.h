#pragma once
// The whole terminal with its real windows, started as the program starts it (kept settings,
// modem log, the port list), on virtual time and scripted ports: a test moves time on by
// hand and reaches the widgets by their control names. Settings and logs go into a folder
// of the rig's own unless it is given one.
#include <QApplication>
#include <QTemporaryDir>
#include <QWidget>
#include <string>
#include <vector>

#include "app/settings_keeper.h"
#include "app/start.h"
#include "platform/modem_log.h"
#include "platform/testing/virtual_services.h"
#include "ui/qt/form_window.h"
#include "ui/qt/terminal_view.h"
#include "ui/terminal.h"

namespace shortmsg::testing {

struct GuiRig : VirtualServices {
    explicit GuiRig(const QString& folder = {}, bool resetSettings = false)
        : VirtualServices([this](VirtualClock::Ms, std::string_view b) { written += b; }),
          folder(folder.isEmpty() ? own.path() : folder) {
        if (resetSettings) keeper.Clear();
        StartTerminal(terminal, view, keeper);
    }

    SMS& Sms() { return terminal.Sms(); }
    OptionsForm& Options() { return terminal.Options(); }
    qtui::FormWindow& MainWindow() { return *view.WindowOf(terminal.Sms()); }
    qtui::FormWindow& OptionsWindow() { return *view.WindowOf(terminal.Options()); }

    // The widget showing a control of either window.
    template <class W>
    W* Widget(std::string_view control) {
        QWidget* widget = MainWindow().WidgetFor(control);
        if (widget == nullptr) widget = OptionsWindow().WidgetFor(control);
        return dynamic_cast<W*>(widget);
    }

    // Moves virtual time on: the terminal's timers fire on the way.
    void Run(VirtualClock::Ms ms) {
        clock.RunUntil(clock.NowMs() + ms);
        QApplication::processEvents();
    }

    QTemporaryDir own;
    QString folder;
    std::string written;  // every byte written to the modem
    LoggedSerialPort loggedModem{
        modem, clock, folder.toStdString() + "/modem-log",
        [this] { return terminal.OptionsCreated() && terminal.Options().ModemLog.Checked(); }};
    std::vector<SerialPortInfo> portList;  // what the system's port list holds
    qtui::TerminalView view{qtui::StandardLayout, [this] { return portList; }};
    SettingsKeeper keeper{folder + "/settings.ini", view};
    Terminal terminal{All(nullptr, &loggedModem), &keeper};
};

}  // namespace shortmsg::testing
