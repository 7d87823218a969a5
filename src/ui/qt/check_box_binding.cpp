#include "ui/qt/check_box_binding.h"

#include "ui/qt/text_edge.h"

namespace shortmsg::qtui {

CheckBoxBinding::CheckBoxBinding(CheckBox& model)
    : model_(model), box_(new QCheckBox(ToQString(model.Caption()))) {
    // `toggled` comes from every way of changing the state; the ones the model made itself
    // come while syncing, or find the model in that state already.
    connect(box_, &QCheckBox::toggled, this, [this](bool checked) {
        if (syncing_ || checked == model_.Checked()) return;
        model_.Toggle();
        Sync();
    });
}

void CheckBoxBinding::Sync() {
    SyncScope scope(syncing_);
    if (box_->isChecked() != model_.Checked()) box_->setChecked(model_.Checked());
}

}  // namespace shortmsg::qtui
