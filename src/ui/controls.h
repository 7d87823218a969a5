#pragma once
// The controls of the two windows as small value models. The Qt layer shows them as widgets
// and the replay tool prints their changes; both learn of every change through the form's
// observer. Operator actions (Type, Pick, Toggle, Press) raise the events an operator would.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/periodic_timer.h"

namespace shortmsg {

inline constexpr int kWhite = 16777215;
inline constexpr int kRed = 255;
inline constexpr int kGreen = 65280;

enum class Property {
    Text,
    BackColor,
    FillColor,
    Visible,
    Enabled,
    Checked,
    MaxLength,
    AddItem,
    RemoveItem,
    Interval
};
std::string_view PropertyName(Property p);

class Form;
class Control;

class FormObserver {
  public:
    virtual ~FormObserver() = default;
    // `item` is the text added (AddItem); `index` the index removed (RemoveItem).
    virtual void ControlChanged(const Control& control, Property property, std::string_view item,
                                int index) = 0;
    virtual void FormVisibilityChanged(const Form& form) = 0;
};

class Control {
  public:
    Control(Form& form, std::string name);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& Name() const { return name_; }
    const Form& Parent() const { return form_; }

  protected:
    void Notify(Property p, std::string_view item = {}, int index = -1) const;

  private:
    Form& form_;
    std::string name_;
};

class TextBox : public Control {
  public:
    TextBox(Form& form, std::string name, std::string text = {}, int maxLength = 0,
            int backColor = kWhite, bool visible = true);
    const std::string& Text() const { return text_; }
    // Set by the program: cut to the maximum length; Change fires when the text changes.
    void SetText(std::string_view text);
    // Typed by the operator: the whole text replaced, cut to the maximum length, Change once.
    void Type(std::string_view text);
    void Click() const;
    int BackColor() const { return backColor_; }
    void SetBackColor(int color);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    int MaxLength() const { return maxLength_; }  // in characters; 0: no limit
    void SetMaxLength(int length);

    std::function<void()> OnChange, OnClick;

  private:
    std::string Cut(std::string_view text) const;
    std::string text_;
    int maxLength_;
    int backColor_;
    bool visible_;
};

class ComboBox : public Control {
  public:
    ComboBox(Form& form, std::string name, std::string text = {});
    const std::string& Text() const { return text_; }
    void SetText(std::string_view text);  // by the program: Change fires when it changes
    void Type(std::string_view text);     // by the operator: Change once, never Click
    // The operator picks a list item: the text becomes the item and Click fires, never
    // Change. An item not in the list does nothing.
    void Pick(std::string_view item);
    const std::vector<std::string>& Items() const { return items_; }
    int ListCount() const { return static_cast<int>(items_.size()); }
    void AddItem(std::string_view item);
    void RemoveItem(int index);

    std::function<void()> OnChange, OnClick;

  private:
    std::string text_;
    std::vector<std::string> items_;
};

class CheckBox : public Control {
  public:
    CheckBox(Form& form, std::string name, std::string caption, bool checked);
    const std::string& Caption() const { return caption_; }
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);  // Click fires when the state changes
    void Toggle();                  // the operator clicks it: the state flips, Click fires

    std::function<void()> OnClick;

  private:
    std::string caption_;
    bool checked_;
};

class Button : public Control {
  public:
    Button(Form& form, std::string name, std::string caption, bool enabled = true);
    const std::string& Caption() const { return caption_; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    void Press() const;  // the operator clicks: Click fires only while enabled

    std::function<void()> OnClick;

  private:
    std::string caption_;
    bool enabled_;
};

class Shape : public Control {
  public:
    Shape(Form& form, std::string name, int fillColor);
    int FillColor() const { return fillColor_; }
    void SetFillColor(int color);

  private:
    int fillColor_;
};

// A window's timer: a periodic timer whose changes the window's observer sees.
class Timer : public Control, public PeriodicTimer {
  public:
    Timer(Form& form, std::string name, TimerService& service, int interval, bool enabled);

  private:
    void Changed(Change change) const override;
};

class Form {
  public:
    explicit Form(std::string name, std::string caption);
    virtual ~Form() = default;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& Name() const { return name_; }
    const std::string& Caption() const { return caption_; }
    bool Visible() const { return visible_; }
    void Show();
    void Hide();

    void SetObserver(FormObserver* observer) { observer_ = observer; }
    FormObserver* Observer() const { return observer_; }

    // Every control of the form, in creation order (for the replay tool and the widgets).
    const std::vector<Control*>& Controls() const { return controls_; }
    Control* Find(std::string_view name) const;

  private:
    friend class Control;
    std::string name_;
    std::string caption_;
    bool visible_ = false;
    FormObserver* observer_ = nullptr;
    std::vector<Control*> controls_;
};

}  // namespace shortmsg
