#include "ui/qt/terminal_view.h"

namespace shortmsg::qtui {

TerminalView::TerminalView(LayoutLookup layouts, SerialPortLister ports)
    : layouts_(std::move(layouts)), ports_(std::move(ports)) {}

TerminalView::~TerminalView() = default;

FormWindow* TerminalView::Attach(const Form& form) {
    std::unique_ptr<FormWindow>& window = windows_[&form];
    if (!window) {
        const WindowLayout* layout = layouts_(form.Name());
        if (layout == nullptr) return nullptr;
        window = std::make_unique<FormWindow>(form, *layout, ports_);
        window->setVisible(form.Visible());
    }
    return window.get();
}

FormWindow* TerminalView::WindowOf(const Form& form) const {
    const auto found = windows_.find(&form);
    return found == windows_.end() ? nullptr : found->second.get();
}

void TerminalView::ControlChanged(const Control& control, Property, std::string_view, int) {
    if (FormWindow* window = Attach(control.Parent())) window->Sync(control);
}

void TerminalView::FormVisibilityChanged(const Form& form) {
    if (FormWindow* window = Attach(form)) window->setVisible(form.Visible());
}

}  // namespace shortmsg::qtui
