// Which binding shows which control kind in which look.
#include "ui/qt/button_binding.h"
#include "ui/qt/check_box_binding.h"
#include "ui/qt/combo_box_binding.h"
#include "ui/qt/shape_binding.h"
#include "ui/qt/text_box_binding.h"

namespace shortmsg::qtui {

std::unique_ptr<ControlBinding> MakeBinding(Control& control, Look look) {
    switch (look) {
        case Look::TextLine:
        case Look::TextArea:
        case Look::TextLog:
            if (auto* box = dynamic_cast<TextBox*>(&control)) {
                return std::make_unique<TextBoxBinding>(*box, look);
            }
            break;
        case Look::Combo:
            if (auto* combo = dynamic_cast<ComboBox*>(&control)) {
                return std::make_unique<ComboBoxBinding>(*combo);
            }
            break;
        case Look::Check:
            if (auto* check = dynamic_cast<CheckBox*>(&control)) {
                return std::make_unique<CheckBoxBinding>(*check);
            }
            break;
        case Look::Button:
            if (auto* button = dynamic_cast<Button*>(&control)) {
                return std::make_unique<ButtonBinding>(*button);
            }
            break;
        case Look::Circle:
            if (auto* shape = dynamic_cast<Shape*>(&control)) {
                return std::make_unique<ShapeBinding>(*shape);
            }
            break;
        case Look::Caption:
        case Look::Rule:
        case Look::Stretch:
            break;
    }
    return nullptr;
}

}  // namespace shortmsg::qtui
