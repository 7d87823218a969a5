#pragma once
// The whole terminal: the platform services, the settings, the two windows and the GPS
// side. One object owns all state; everything runs on one thread. It wires the GPS side to
// the modem link (position messages) and to the windows (what it shows).
#include <memory>
#include <string>

#include "gps/gps_outlets.h"
#include "gps/gps_tracker.h"
#include "link/link_settings.h"
#include "platform/services.h"
#include "ui/options_form.h"
#include "ui/sms.h"

namespace shortmsg {

class Terminal : private ReportSink, private GpsView {
  public:
    explicit Terminal(const Services& services, FormObserver* observer = nullptr);
    ~Terminal() override;
    Terminal(const Terminal&) = delete;
    Terminal& operator=(const Terminal&) = delete;

    // Creates the main window, runs its Form_Load and shows it.
    void Start();
    bool Started() const { return sms_ != nullptr; }

    SMS& Sms() { return *sms_; }
    // The options window, created hidden (its Form_Load run) the first time it is touched;
    // the GPS side, which runs on its port and timers, comes with it.
    OptionsForm& Options();
    bool OptionsCreated() const { return options_ != nullptr; }
    GpsTracker& Gps();

    // A message just shown in the main window, handed to the GPS side.
    void MessageForGps(const ReceivedMessage& message);

    Services services;
    // The options as the options window holds them, for the link and the GPS side.
    LinkSettings linkSettings;
    GpsSettings gpsSettings;

  private:
    // ReportSink: position messages go into the modem link's queue.
    int QueueSms(const std::string& destination, const std::string& text) override;
    int QueueSbd(const std::string& text) override;
    void DeleteStoredMessage(const std::string& storeIndex) override;
    bool Unwritten(int message) const override;
    // GpsView.
    void ShowSentence(const std::string& sentence) override;
    void ShowDistance(const std::string& km) override;
    void ShowReport(const std::string& sentence) override;
    void ShowError(std::string_view text) override;

    FormObserver* observer_;
    std::unique_ptr<SMS> sms_;
    std::unique_ptr<OptionsForm> options_;
    std::unique_ptr<GpsTracker> gps_;
};

}  // namespace shortmsg
