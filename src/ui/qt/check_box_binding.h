#pragma once
// A check box as a QCheckBox: each change of its state by the operator (a click, Space, an
// accessibility toggle action) is the model's Toggle, once.
#include <QCheckBox>

#include "ui/qt/control_binding.h"

namespace shortmsg::qtui {

class CheckBoxBinding final : public ControlBinding {
  public:
    explicit CheckBoxBinding(CheckBox& model);
    QWidget* Widget() const override { return box_; }
    void Sync() override;

  private:
    CheckBox& model_;
    QCheckBox* box_;
};

}  // namespace shortmsg::qtui
