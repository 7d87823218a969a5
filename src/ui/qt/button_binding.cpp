#include "ui/qt/button_binding.h"

#include "ui/qt/text_edge.h"

namespace shortmsg::qtui {

ButtonBinding::ButtonBinding(Button& model)
    : model_(model), button_(new QPushButton(ToQString(model.Caption()))) {
    button_->setAutoDefault(false);
    // Room round the caption, whatever the style gives.
    button_->setMinimumWidth(button_->sizeHint().width() +
                             button_->fontMetrics().averageCharWidth() * 2);
    connect(button_, &QPushButton::clicked, this, [this] {
        if (!syncing_) model_.Press();
    });
}

void ButtonBinding::Sync() {
    SyncScope scope(syncing_);
    button_->setEnabled(model_.Enabled());
}

}  // namespace shortmsg::qtui
