#pragma once
// A button as a QPushButton: the operator's click is the model's Press.
#include <QPushButton>

#include "ui/qt/control_binding.h"

namespace shortmsg::qtui {

class ButtonBinding final : public ControlBinding {
  public:
    explicit ButtonBinding(Button& model);
    QWidget* Widget() const override { return button_; }
    void Sync() override;

  private:
    Button& model_;
    QPushButton* button_;
};

}  // namespace shortmsg::qtui
