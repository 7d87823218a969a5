// Which binding shows which control kind in which look.
#include "ui/qt/button_binding.h"
#include "ui/qt/check_box_binding.h"
#include "ui/qt/combo_box_binding.h"
#include "ui/qt/shape_binding.h"
#include "ui/qt/text_box_binding.h"

namespace shortmsg::qtui {
namespace {

// A `Binding` of the control when it is a `Model`, its widget named after the control;
// nullptr otherwise.
template <class Model, class Binding, class... Extra>
std::unique_ptr<ControlBinding> Bind(Control& control, Extra... extra) {
    auto* model = dynamic_cast<Model*>(&control);
    if (model == nullptr) return nullptr;
    auto binding = std::make_unique<Binding>(*model, extra...);
    binding->Widget()->setObjectName(QString::fromStdString(control.Name()));
    return binding;
}

}  // namespace

std::unique_ptr<ControlBinding> MakeBinding(Control& control, Look look) {
    switch (look) {
        case Look::TextLine:
        case Look::TextArea:
        case Look::TextLog:
            return Bind<TextBox, TextBoxBinding>(control, look);
        case Look::Combo:
            return Bind<ComboBox, ComboBoxBinding>(control);
        case Look::Check:
            return Bind<CheckBox, CheckBoxBinding>(control);
        case Look::Button:
            return Bind<Button, ButtonBinding>(control);
        case Look::Circle:
            return Bind<Shape, ShapeBinding>(control);
        case Look::Caption:
        case Look::Rule:
        case Look::Stretch:
            break;
    }
    return nullptr;
}

}  // namespace shortmsg::qtui
