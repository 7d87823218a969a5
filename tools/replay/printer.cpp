#include "printer.h"

#include "escapes.h"

namespace shortmsg::replay {
namespace {

std::string Bool(bool b) {
    return b ? "true" : "false";
}

template <typename T>
const T* As(const Control& control) {
    return dynamic_cast<const T*>(&control);
}

std::string TextOf(const Control& control) {
    if (const auto* box = As<TextBox>(control)) return QuoteBytes(box->Text());
    if (const auto* combo = As<ComboBox>(control)) return QuoteBytes(combo->Text());
    return "?";
}

std::string EnabledOf(const Control& control) {
    if (const auto* button = As<Button>(control)) return Bool(button->Enabled());
    if (const auto* timer = As<Timer>(control)) return Bool(timer->Enabled());
    return "?";
}

// The value a control's property has now, as the replay prints it.
std::string PropertyValue(const Control& control, Property property, std::string_view item,
                          int index) {
    const auto* box = As<TextBox>(control);
    switch (property) {
        case Property::Text:
            return TextOf(control);
        case Property::BackColor:
            return box ? std::to_string(box->BackColor()) : "?";
        case Property::Visible:
            return box ? Bool(box->Visible()) : "?";
        case Property::MaxLength:
            return box ? std::to_string(box->MaxLength()) : "?";
        case Property::FillColor: {
            const auto* shape = As<Shape>(control);
            return shape ? std::to_string(shape->FillColor()) : "?";
        }
        case Property::Enabled:
            return EnabledOf(control);
        case Property::Checked: {
            const auto* check = As<CheckBox>(control);
            return check ? Bool(check->Checked()) : "?";
        }
        case Property::Interval: {
            const auto* timer = As<Timer>(control);
            return timer ? std::to_string(timer->Interval()) : "?";
        }
        case Property::AddItem:
            return QuoteBytes(item);
        case Property::RemoveItem:
            return std::to_string(index);
    }
    return "?";
}

}  // namespace

ReplayPrinter::ReplayPrinter(std::ostream& out, const VirtualClock& clock, bool debugWindow)
    : out_(out), clock_(clock), debugWindow_(debugWindow) {}

void ReplayPrinter::Print(const std::string& text) {
    if (ended_) return;
    out_ << FormatTime(clock_.NowMs()) << ' ' << text << '\n';
}

void ReplayPrinter::ControlChanged(const Control& control, Property property, std::string_view item,
                                   int index) {
    const std::string& form = control.Parent().Name();
    if (!debugWindow_ && form == "OptionsForm" && control.Name() == "DebugWindow") return;
    Print(form + "." + control.Name() + "." + std::string(PropertyName(property)) + " " +
          PropertyValue(control, property, item, index));
}

void ReplayPrinter::FormVisibilityChanged(const Form& form) {
    Print(form.Name() + ".visible " + Bool(form.Visible()));
}

void ReplayPrinter::PortWrite(std::string_view port, std::string_view bytes) {
    Print("write " + std::string(port) + " " + QuoteBytes(bytes));
}

void ReplayPrinter::FileWrite(const std::string& path, std::string_view bytes) {
    if (bytes.empty()) {
        Print("file " + path + " " + QuoteBytes(bytes));
        return;
    }
    while (!bytes.empty()) {
        const size_t lf = bytes.find('\n');
        const size_t n = lf == std::string_view::npos ? bytes.size() : lf + 1;
        Print("file " + path + " " + QuoteBytes(bytes.substr(0, n)));
        bytes.remove_prefix(n);
    }
}

void ReplayPrinter::MessageBoxShown(const std::string& text) {
    Print("msgbox " + QuoteBytes(text));
}

void ReplayPrinter::ProgramEnded() {
    Print("exit");
    ended_ = true;
}

}  // namespace shortmsg::replay
