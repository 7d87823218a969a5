#pragma once
// A control model shown as a widget. The binding brings the widget up to the model
// whenever the model changes, and forwards the operator's clicks and typing to the model
// as its actions (Type, Click, Pick, Toggle, Press). Bringing the widget up to date never
// counts as the operator's input.
#include <QObject>
#include <QWidget>
#include <memory>

#include "ui/controls.h"
#include "ui/qt/window_layout.h"

namespace shortmsg::qtui {

class ControlBinding : public QObject {
  public:
    ~ControlBinding() override = default;
    virtual QWidget* Widget() const = 0;
    // Brings the whole widget up to the model.
    virtual void Sync() = 0;

  protected:
    // Set while the widget is brought up to date, so that its change signals are not
    // taken for the operator's.
    bool syncing_ = false;
    struct SyncScope {
        explicit SyncScope(bool& flag) : flag_(flag), was_(flag) { flag_ = true; }
        ~SyncScope() { flag_ = was_; }
        bool& flag_;
        bool was_;
    };
};

// The binding for `control` shown with `look`; nullptr when that control kind cannot be
// shown so. The widget is created without a parent and named after the control.
std::unique_ptr<ControlBinding> MakeBinding(Control& control, Look look);

}  // namespace shortmsg::qtui
