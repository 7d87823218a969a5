#pragma once
// A form shown as a top-level window, built from its layout table: one binding per control
// cell, static captions, frames and rules; Tab in the table's order, the layout's
// shortcuts, and a status bar where the layout asks for one.
#include <QWidget>
#include <map>
#include <memory>
#include <vector>

#include "platform/serial_port_list.h"
#include "ui/controls.h"
#include "ui/qt/control_binding.h"
#include "ui/qt/window_layout.h"

class QGridLayout;
class QStatusBar;

namespace shortmsg::qtui {

class FormWindow final : public QWidget {
  public:
    // `ports` fills a port list cell.
    FormWindow(const Form& form, const WindowLayout& layout, SerialPortLister ports = {});
    ~FormWindow() override;

    // Brings the control's widget up to the model (a control not in the layout: nothing).
    void Sync(const Control& control);
    // The widget that shows the named control; nullptr when the layout has none.
    QWidget* WidgetFor(std::string_view controlName) const;
    // The status bar; nullptr when the layout has none.
    QStatusBar* StatusBar() const { return statusBar_; }

  protected:
    // The frame's close button stands for the layout's close control; the form's own
    // handler decides what becomes of the window.
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildRow(int row, QGridLayout& grid);
    QWidget* MakeCell(const Cell& cell);
    QWidget* BindCell(const Cell& cell);
    void AddShortcuts();
    void Announce(const QString& text);

    const Form& form_;
    const WindowLayout& layout_;
    SerialPortLister ports_;
    std::vector<std::unique_ptr<ControlBinding>> bindings_;
    std::map<const Control*, ControlBinding*> byControl_;
    std::vector<QWidget*> tabOrder_;
    QStatusBar* statusBar_ = nullptr;
};

}  // namespace shortmsg::qtui
