#include "ui/qt/text_box_binding.h"

#include <QEvent>
#include <QScrollBar>
#include <QTextCursor>

#include "ui/qt/model_colour.h"
#include "ui/qt/text_edge.h"

namespace shortmsg::qtui {
namespace {

// The dark red of an alert's text on a light back colour.
const QColor kAlertText(0xA0, 0, 0);
// How much larger the text of a box for reading is.
constexpr double kReadingScale = 1.25;

}  // namespace

TextBoxBinding::TextBoxBinding(TextBox& model, Look look) : model_(model), look_(look) {
    if (look == Look::TextLine) {
        line_ = new QLineEdit;
        connect(line_, &QLineEdit::textEdited, this, [this] { Typed(); });
        line_->installEventFilter(this);
    } else {
        area_ = new QPlainTextEdit;
        area_->setTabChangesFocus(true);
        // An alert holds a line or two: a scroll bar would only take its room.
        area_->setVerticalScrollBarPolicy(look == Look::TextAlert ? Qt::ScrollBarAsNeeded
                                                                  : Qt::ScrollBarAlwaysOn);
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
    QFont font = Widget()->font();
    if (look == Look::TextRead) font.setPointSizeF(font.pointSizeF() * kReadingScale);
    if (look == Look::TextAlert) font.setBold(true);
    Widget()->setFont(font);
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

// Dark text on a light back colour, white on a dark one; an alert's text on a light back
// colour is red, so that it reads as an alert in both phases of its blinking.
void TextBoxBinding::ShowColours() {
    const QColor back = ModelColour(model_.BackColor());
    const double luminance = 0.2126 * back.redF() + 0.7152 * back.greenF() + 0.0722 * back.blueF();
    QColor text = luminance < 0.5 ? QColor(Qt::white) : QColor(Qt::black);
    if (look_ == Look::TextAlert && luminance >= 0.5) text = kAlertText;
    QPalette palette = Widget()->palette();
    palette.setColor(QPalette::Base, back);
    palette.setColor(QPalette::Text, text);
    Widget()->setPalette(palette);
}

void TextBoxBinding::Sync() {
    Show(ShownText(), look_ == Look::TextLog);
    ShowColours();
    Widget()->setVisible(model_.Visible());
    Announce();
}

void TextBoxBinding::Announce() {
    const bool standsOut =
        model_.Visible() && (look_ == Look::TextAlert || model_.BackColor() != kWhite);
    // An alert is news each time it is shown; another box only when its text changes.
    const bool news = model_.Text() != heardText_ || (look_ == Look::TextAlert && !stoodOut_);
    if (!standsOut) {
        if (stoodOut_) Widget()->setAccessibleDescription(QString());
    } else if (news && !typing_ && !model_.Text().empty()) {
        const QString text = ShownText().simplified();
        Widget()->setAccessibleDescription(text);
        if (announcer_) announcer_(text);
    }
    heardText_ = model_.Text();
    stoodOut_ = standsOut;
}

void TextBoxBinding::Typed() {
    const std::string text =
        line_ != nullptr ? ToModelText(line_->text()) : FromMultiLine(area_->toPlainText());
    SyncScope typing(typing_);
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
