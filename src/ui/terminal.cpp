#include "ui/terminal.h"

#include "link/at_commands.h"

namespace shortmsg {

Terminal::Terminal(const Services& s, FormObserver* observer) : services(s), observer_(observer) {}

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
        ReportSink& sink = *this;
        GpsView& view = *this;
        gps_ =
            std::make_unique<GpsTracker>(services.GPSComm1, options_->GPS_LocationUpdateTimer,
                                         services.clock, services.files, gpsSettings, sink, view);
        options_->Form_Load();
    }
    return *options_;
}

GpsTracker& Terminal::Gps() {
    Options();
    return *gps_;
}

void Terminal::MessageForGps(const ReceivedMessage& message) {
    Gps().OnMessage(message);
}

int Terminal::QueueSms(const std::string& destination, const std::string& text) {
    return Sms().Link().QueueTextMessage(text, destination);
}

int Terminal::QueueSbd(const std::string& text) {
    return Sms().Link().QueueSbdMessage(text);
}

void Terminal::DeleteStoredMessage(const std::string& storeIndex) {
    Sms().Link().QueueCommand(std::string(at::kDeleteMessage).append(storeIndex));
}

bool Terminal::Unwritten(int message) const {
    if (!sms_ || message == 0) return false;
    const CommandQueue& queue = sms_->Link().Queue();
    return queue.Holds(message) && queue.Head().message != message;
}

void Terminal::ShowSentence(const std::string& sentence) {
    Options().GPS_Window.SetText(sentence);
}

void Terminal::ShowDistance(const std::string& km) {
    Sms().DistanceMovedDisplay.SetText(km);
}

void Terminal::ShowReport(const std::string& sentence) {
    Sms().ShowReport(sentence);
}

void Terminal::ShowError(std::string_view text) {
    Sms().ReportError(text);
}

}  // namespace shortmsg
