#pragma once
// A text box as a QLineEdit (one line) or a QPlainTextEdit (multi-line). Tab leaves a
// multi-line box as it leaves a line. The text is drawn in a colour that reads on the box's
// back colour.
//
// What the terminal shows in a box that stands out is announced: an alert box's text each
// time the box is shown or its text changes while shown, and a text the terminal puts into
// a box on a back colour other than white (a sent confirmation, a new message). The text
// becomes the box's accessible description and goes to the announcer; the description is
// cleared once the box no longer stands out.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <functional>

#include "ui/qt/control_binding.h"

namespace shortmsg::qtui {

class TextBoxBinding final : public ControlBinding {
  public:
    using Announcer = std::function<void(const QString& text)>;

    TextBoxBinding(TextBox& model, Look look);
    QWidget* Widget() const override;
    void Sync() override;
    void SetAnnouncer(Announcer announcer) { announcer_ = std::move(announcer); }

  protected:
    // A mouse press into the box is the operator's click.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QString ShownText() const;
    void Show(const QString& text, bool atEnd);
    void ShowEnd();
    void ShowColours();
    void Typed();
    void Announce();

    TextBox& model_;
    Look look_;
    QLineEdit* line_ = nullptr;
    QPlainTextEdit* area_ = nullptr;
    Announcer announcer_;
    bool typing_ = false;
    // What the last announcement saw: the model's text and whether the box stood out.
    std::string heardText_;
    bool stoodOut_ = false;
};

}  // namespace shortmsg::qtui
