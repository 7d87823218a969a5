#include "ui/qt/combo_box_binding.h"

#include <QLineEdit>

#include "ui/qt/text_edge.h"

namespace shortmsg::qtui {

ComboBoxBinding::ComboBoxBinding(ComboBox& model) : model_(model), combo_(new QComboBox) {
    combo_->setEditable(true);
    // The list is the model's: nothing typed is added to it, nothing typed is completed.
    combo_->setInsertPolicy(QComboBox::NoInsert);
    combo_->setCompleter(nullptr);
    combo_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo_->setMinimumContentsLength(8);
    connect(combo_, &QComboBox::activated, this, [this](int index) {
        if (syncing_) return;
        model_.Pick(ToModelText(combo_->itemText(index)));
        Sync();
    });
    connect(combo_->lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
        if (syncing_) return;
        model_.Type(ToModelText(text));
        Sync();
    });
}

void ComboBoxBinding::SyncItems() {
    const std::vector<std::string>& items = model_.Items();
    bool same = combo_->count() == static_cast<int>(items.size());
    for (int i = 0; same && i < combo_->count(); ++i) {
        same = combo_->itemText(i) == ToQString(items[static_cast<size_t>(i)]);
    }
    if (same) return;
    combo_->clear();
    for (const std::string& item : items) combo_->addItem(ToQString(item));
}

void ComboBoxBinding::Sync() {
    SyncScope scope(syncing_);
    SyncItems();
    // Adding or removing items moves the current item, and with it the edit text: the
    // model's text is put back after them.
    const QString text = ToQString(model_.Text());
    if (combo_->currentText() != text) combo_->setEditText(text);
}

}  // namespace shortmsg::qtui
