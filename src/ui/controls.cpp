#include "ui/controls.h"

#include <array>

#include "pdu/utf8.h"

namespace shortmsg {

std::string_view PropertyName(Property p) {
    static constexpr std::array<std::string_view, 10> kNames = {
        "text",    "backcolor", "fillcolor", "visible",    "enabled",
        "checked", "maxlength", "additem",   "removeitem", "interval"};
    return kNames[static_cast<size_t>(p)];
}

Control::Control(Form& form, std::string name) : form_(form), name_(std::move(name)) {
    form.controls_.push_back(this);
}

void Control::Notify(Property p, std::string_view item, int index) const {
    if (FormObserver* o = form_.Observer()) o->ControlChanged(*this, p, item, index);
}

// ---- TextBox ----

TextBox::TextBox(Form& form, std::string name, std::string text, int maxLength, int backColor,
                 bool visible)
    : Control(form, std::move(name)),
      text_(std::move(text)),
      maxLength_(maxLength),
      backColor_(backColor),
      visible_(visible) {}

// The maximum length counts characters, never cutting one in two.
std::string TextBox::Cut(std::string_view text) const {
    if (maxLength_ > 0) text = Utf8Prefix(text, static_cast<size_t>(maxLength_));
    return std::string(text);
}

void TextBox::SetText(std::string_view text) {
    std::string cut = Cut(text);
    if (cut == text_) return;
    text_ = std::move(cut);
    Notify(Property::Text);
    if (OnChange) OnChange();
}

void TextBox::Type(std::string_view text) {
    std::string cut = Cut(text);
    if (cut != text_) {
        text_ = std::move(cut);
        Notify(Property::Text);
    }
    if (OnChange) OnChange();
}

void TextBox::Click() const {
    if (OnClick) OnClick();
}

void TextBox::SetBackColor(int color) {
    if (color == backColor_) return;
    backColor_ = color;
    Notify(Property::BackColor);
}

void TextBox::SetVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    Notify(Property::Visible);
}

void TextBox::SetMaxLength(int length) {
    if (length == maxLength_) return;
    maxLength_ = length;
    Notify(Property::MaxLength);
}

// ---- ComboBox ----

ComboBox::ComboBox(Form& form, std::string name, std::string text)
    : Control(form, std::move(name)), text_(std::move(text)) {}

void ComboBox::SetText(std::string_view text) {
    if (text == text_) return;
    text_ = std::string(text);
    Notify(Property::Text);
    if (OnChange) OnChange();
}

void ComboBox::Type(std::string_view text) {
    if (text != text_) {
        text_ = std::string(text);
        Notify(Property::Text);
    }
    if (OnChange) OnChange();
}

void ComboBox::Pick(std::string_view item) {
    bool listed = false;
    for (const auto& i : items_) listed = listed || i == item;
    if (!listed) return;
    if (item != text_) {
        text_ = std::string(item);
        Notify(Property::Text);
    }
    if (OnClick) OnClick();
}

void ComboBox::AddItem(std::string_view item) {
    items_.emplace_back(item);
    Notify(Property::AddItem, item);
}

void ComboBox::RemoveItem(int index) {
    if (index < 0 || index >= ListCount()) return;
    items_.erase(items_.begin() + index);
    Notify(Property::RemoveItem, {}, index);
}

// ---- CheckBox, Button, Shape ----

CheckBox::CheckBox(Form& form, std::string name, std::string caption, bool checked)
    : Control(form, std::move(name)), caption_(std::move(caption)), checked_(checked) {}

void CheckBox::SetChecked(bool checked) {
    if (checked == checked_) return;
    checked_ = checked;
    Notify(Property::Checked);
    if (OnClick) OnClick();
}

void CheckBox::Toggle() {
    checked_ = !checked_;
    Notify(Property::Checked);
    if (OnClick) OnClick();
}

Button::Button(Form& form, std::string name, std::string caption, bool enabled)
    : Control(form, std::move(name)), caption_(std::move(caption)), enabled_(enabled) {}

void Button::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    Notify(Property::Enabled);
}

void Button::Press() const {
    if (enabled_ && OnClick) OnClick();
}

Shape::Shape(Form& form, std::string name, int fillColor)
    : Control(form, std::move(name)), fillColor_(fillColor) {}

void Shape::SetFillColor(int color) {
    if (color == fillColor_) return;
    fillColor_ = color;
    Notify(Property::FillColor);
}

// ---- Timer ----

Timer::Timer(Form& form, std::string name, TimerService& service, int interval, bool enabled)
    : Control(form, std::move(name)), PeriodicTimer(service, interval, enabled) {}

void Timer::Changed(Change change) const {
    Notify(change == Change::Interval ? Property::Interval : Property::Enabled);
}

// ---- Form ----

Form::Form(std::string name, std::string caption)
    : name_(std::move(name)), caption_(std::move(caption)) {}

void Form::Show() {
    if (visible_) return;
    visible_ = true;
    if (observer_) observer_->FormVisibilityChanged(*this);
}

void Form::Hide() {
    if (!visible_) return;
    visible_ = false;
    if (observer_) observer_->FormVisibilityChanged(*this);
}

Control* Form::Find(std::string_view name) const {
    for (Control* c : controls_) {
        if (c->Name() == name) return c;
    }
    return nullptr;
}

}  // namespace shortmsg
