#pragma once
// A text box as a QLineEdit (one line) or a QPlainTextEdit (multi-line).
#include <QLineEdit>
#include <QPlainTextEdit>

#include "ui/qt/control_binding.h"

namespace shortmsg::qtui {

class TextBoxBinding final : public ControlBinding {
  public:
    TextBoxBinding(TextBox& model, Look look);
    QWidget* Widget() const override;
    void Sync() override;

  protected:
    // A mouse press into the box is the operator's click.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QString ShownText() const;
    void Show(const QString& text, bool atEnd);
    void ShowEnd();
    void Typed();

    TextBox& model_;
    Look look_;
    QLineEdit* line_ = nullptr;
    QPlainTextEdit* area_ = nullptr;
};

}  // namespace shortmsg::qtui
