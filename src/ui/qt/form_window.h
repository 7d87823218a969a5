#pragma once
// A form shown as a top-level window, built from its layout table: one binding per control
// cell, static captions, frames and rules.
#include <QWidget>
#include <map>
#include <memory>
#include <vector>

#include "ui/controls.h"
#include "ui/qt/control_binding.h"
#include "ui/qt/window_layout.h"

class QGridLayout;

namespace shortmsg::qtui {

class FormWindow final : public QWidget {
  public:
    FormWindow(const Form& form, const WindowLayout& layout);
    ~FormWindow() override;

    // Brings the control's widget up to the model (a control not in the layout: nothing).
    void Sync(const Control& control);
    // The widget that shows the named control; nullptr when the layout has none.
    QWidget* WidgetFor(std::string_view controlName) const;

  protected:
    // The frame's close button stands for the layout's close control; the form's own
    // handler decides what becomes of the window.
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildRow(int row, QGridLayout& grid);
    QWidget* MakeCell(const Cell& cell);

    const Form& form_;
    const WindowLayout& layout_;
    std::vector<std::unique_ptr<ControlBinding>> bindings_;
    std::map<const Control*, ControlBinding*> byControl_;
};

}  // namespace shortmsg::qtui
