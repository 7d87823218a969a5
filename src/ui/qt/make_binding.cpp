// Which binding shows which control kind in which look, and the words and name each widget
// gets from its control.
#include <QAbstractButton>

#include "ui/qt/button_binding.h"
#include "ui/qt/check_box_binding.h"
#include "ui/qt/combo_box_binding.h"
#include "ui/qt/control_words.h"
#include "ui/qt/shape_binding.h"
#include "ui/qt/text_box_binding.h"

namespace shortmsg::qtui {
namespace {

// A `Binding` of the control when it is a `Model`, its widget named after the control and
// told its words; nullptr otherwise.
template <class Model, class Binding, class... Extra>
std::unique_ptr<ControlBinding> Bind(Control& control, Extra... extra) {
    auto* model = dynamic_cast<Model*>(&control);
    if (model == nullptr) return nullptr;
    auto binding = std::make_unique<Binding>(*model, extra...);
    QWidget* widget = binding->Widget();
    widget->setObjectName(QString::fromStdString(control.Name()));
    if (const ControlWords* words = WordsFor(control.Name())) {
        widget->setAccessibleName(QString::fromLatin1(words->name));
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            button->setText(WithMnemonic(button->text(), words->mnemonic));
        }
    }
    return binding;
}

}  // namespace

std::unique_ptr<ControlBinding> MakeBinding(Control& control, Look look) {
    switch (look) {
        case Look::TextLine:
        case Look::TextArea:
        case Look::TextLog:
        case Look::TextRead:
        case Look::TextAlert:
            return Bind<TextBox, TextBoxBinding>(control, look);
        case Look::Combo:
            return Bind<ComboBox, ComboBoxBinding>(control);
        case Look::Check:
            return Bind<CheckBox, CheckBoxBinding>(control);
        case Look::Button:
            return Bind<Button, ButtonBinding>(control);
        case Look::Circle:
            return Bind<Shape, ShapeBinding>(control);
        case Look::PortList:
        case Look::Caption:
        case Look::Rule:
        case Look::Stretch:
            break;
    }
    return nullptr;
}

}  // namespace shortmsg::qtui
