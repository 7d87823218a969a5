#include "ui/qt/text_box_binding.h"

#include <QEvent>
#include <QScrollBar>
#include <QTextCursor>

#include "ui/qt/latin1.h"
#include "ui/qt/model_colour.h"

namespace shortmsg::qtui {

TextBoxBinding::TextBoxBinding(TextBox& model, Look look) : model_(model), look_(look) {
    if (look == Look::TextLine) {
        line_ = new QLineEdit;
        connect(line_, &QLineEdit::textEdited, this, [this] { Typed(); });
        line_->installEventFilter(this);
    } else {
        area_ = new QPlainTextEdit;
        area_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        if (look == Look::TextLog) {
            area_->setLineWrapMode(QPlainTextEdit::NoWrap);
            area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        }
        connect(area_, &QPlainTextEdit::textChanged, this, [this] {
            if (!syncing_) Typed();
        });
        area_->viewport()->installEventFilter(this);
        area_->installEventFilter(this);
    }
    // A box that blinks keeps its room while hidden, so the window does not jump.
    QSizePolicy policy = Widget()->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    Widget()->setSizePolicy(policy);
}

QWidget* TextBoxBinding::Widget() const {
    if (line_ != nullptr) return line_;
    return area_;
}

QString TextBoxBinding::ShownText() const {
    return line_ != nullptr ? ToQString(model_.Text()) : ToMultiLine(model_.Text());
}

void TextBoxBinding::Show(const QString& text, bool atEnd) {
    SyncScope scope(syncing_);
    if (line_ != nullptr) {
        if (line_->text() != text) line_->setText(text);
        return;
    }
    if (area_->toPlainText() == text) return;
    area_->setPlainText(text);
    if (atEnd) ShowEnd();
}

void TextBoxBinding::ShowEnd() {
    area_->moveCursor(QTextCursor::End);
    area_->verticalScrollBar()->setValue(area_->verticalScrollBar()->maximum());
}

void TextBoxBinding::Sync() {
    Show(ShownText(), look_ == Look::TextLog);
    QPalette palette = Widget()->palette();
    palette.setColor(QPalette::Base, ModelColour(model_.BackColor()));
    Widget()->setPalette(palette);
    Widget()->setVisible(model_.Visible());
}

void TextBoxBinding::Typed() {
    const std::string text =
        line_ != nullptr ? ToLatin1(line_->text()) : FromMultiLine(area_->toPlainText());
    model_.Type(text);
    // The model may have cut the text to its maximum length.
    Show(ShownText(), true);
}

bool TextBoxBinding::eventFilter(QObject* watched, QEvent* event) {
    if (watched == area_) {
        // A log box filled while hidden shows its end once it is shown and laid out.
        if (event->type() == QEvent::Show && look_ == Look::TextLog) {
            QMetaObject::invokeMethod(
                this, [this] { ShowEnd(); }, Qt::QueuedConnection);
        }
        return false;
    }
    if (event->type() == QEvent::MouseButtonPress && !syncing_) model_.Click();
    return false;
}

}  // namespace shortmsg::qtui
