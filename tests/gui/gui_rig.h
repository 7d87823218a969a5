#pragma once
// The whole terminal with its real windows, on virtual time and scripted ports: a test
// moves time on by hand and reaches the widgets by their control names.
#include <QApplication>
#include <QWidget>
#include <string>

#include <vector>

#include "platform/scripted_port.h"
#include "platform/virtual_clock.h"
#include "ui/qt/form_window.h"
#include "ui/qt/terminal_view.h"
#include "ui/terminal.h"

namespace shortmsg::testing {

class BoxTexts : public MessageBox {
  public:
    void Show(const std::string& text) override { shown.push_back(text); }
    std::vector<std::string> shown;
};

class EndFlag : public ProgramEnd {
  public:
    void End() override { ended = true; }
    bool ended = false;
};

class NoFiles : public TextFiles {
  public:
    bool Append(const std::string&, std::string_view, std::string&) override { return true; }
    bool Output(const std::string&, std::string_view, std::string&) override { return true; }
};

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
    BoxTexts box;
    EndFlag end;
    NoFiles files;
    qtui::TerminalView view;
    Terminal terminal{Services{modem, gps, clock, clock, box, end, files}, &view};
};

}  // namespace shortmsg::testing
