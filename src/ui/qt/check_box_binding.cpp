#include "ui/qt/check_box_binding.h"

#include "ui/qt/latin1.h"

namespace shortmsg::qtui {

CheckBoxBinding::CheckBoxBinding(CheckBox& model)
    : model_(model), box_(new QCheckBox(ToQString(model.Caption()))) {
    // `clicked` comes from the operator only, never from setChecked.
    connect(box_, &QCheckBox::clicked, this, [this] {
        if (syncing_) return;
        model_.Toggle();
        Sync();
    });
}

void CheckBoxBinding::Sync() {
    SyncScope scope(syncing_);
    if (box_->isChecked() != model_.Checked()) box_->setChecked(model_.Checked());
}

}  // namespace shortmsg::qtui
