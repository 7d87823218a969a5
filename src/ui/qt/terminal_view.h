#pragma once
// The windows of the terminal: the observer of both forms. A form's window is built the
// first time the form reports a change (or is attached); every change of a control brings
// its widget up to date, and the windows are shown and hidden as the forms are.
#include <functional>
#include <map>
#include <memory>
#include <string_view>

#include "platform/serial_port_list.h"
#include "ui/controls.h"
#include "ui/qt/form_window.h"
#include "ui/qt/window_layout.h"

namespace shortmsg::qtui {

class TerminalView final : public FormObserver {
  public:
    using LayoutLookup = std::function<const WindowLayout*(std::string_view formName)>;

    // `ports` lists the system's serial ports in the options window (none without it).
    explicit TerminalView(LayoutLookup layouts = StandardLayout, SerialPortLister ports = {});
    ~TerminalView() override;
    TerminalView(const TerminalView&) = delete;
    TerminalView& operator=(const TerminalView&) = delete;

    // The form's window, built now if it was not yet; nullptr for a form without a layout.
    FormWindow* Attach(const Form& form);
    FormWindow* WindowOf(const Form& form) const;

    void ControlChanged(const Control& control, Property property, std::string_view item,
                        int index) override;
    void FormVisibilityChanged(const Form& form) override;

  private:
    LayoutLookup layouts_;
    SerialPortLister ports_;
    std::map<const Form*, std::unique_ptr<FormWindow>> windows_;
};

}  // namespace shortmsg::qtui
