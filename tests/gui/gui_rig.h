#pragma once
// The whole terminal with its real windows, on virtual time and scripted ports: a test
// moves time on by hand and reaches the widgets by their control names.
#include <QApplication>
#include <QWidget>
#include <string>

#include <vector>

#include "platform/testing/scripted_port.h"
#include "platform/testing/service_doubles.h"
#include "platform/testing/virtual_clock.h"
#include "ui/qt/form_window.h"
#include "ui/qt/terminal_view.h"
#include "ui/terminal.h"

namespace shortmsg::testing {

struct GuiRig {
    GuiRig() {
        terminal.Start();
        view.Attach(terminal.Options());
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

    VirtualClock clock;
    PortAvailability ports;
    ScriptedPort modem{clock, ports};
    ScriptedPort gps{clock, ports};
    RecordingMessageBox box;
    RecordingProgramEnd end;
    DiscardingFiles files;
    qtui::TerminalView view;
    Terminal terminal{Services{modem, gps, clock, clock, box, end, files}, &view};
};

}  // namespace shortmsg::testing
