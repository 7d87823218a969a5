#include "ui/terminal.h"

namespace shortmsg {

Terminal::Terminal(const Services& s, FormObserver* observer)
    : services(s), observer_(observer), gps_(*this) {}

Terminal::~Terminal() = default;

void Terminal::Start() {
    sms_ = std::make_unique<SMS>(*this);
    sms_->SetObserver(observer_);
    sms_->Form_Load();
    sms_->Show();
}

OptionsForm& Terminal::Options() {
    if (!options_) {
        options_ = std::make_unique<OptionsForm>(*this);
        options_->SetObserver(observer_);
        options_->Form_Load();
    }
    return *options_;
}

}  // namespace shortmsg
