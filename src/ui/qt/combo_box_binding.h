#pragma once
// A combo box as an editable QComboBox: picking a list item is the operator's Pick,
// typing into its edit field the operator's Type.
#include <QComboBox>

#include "ui/qt/control_binding.h"

namespace shortmsg::qtui {

class ComboBoxBinding final : public ControlBinding {
  public:
    explicit ComboBoxBinding(ComboBox& model);
    QWidget* Widget() const override { return combo_; }
    void Sync() override;

  private:
    void SyncItems();

    ComboBox& model_;
    QComboBox* combo_;
};

}  // namespace shortmsg::qtui
