#pragma once
// The whole terminal: the platform services, the two windows and the GPS side. One object
// owns all state; everything runs on one thread.
#include <memory>
#include <string>

#include "gps/gps_tracker.h"
#include "platform/services.h"
#include "ui/options_form.h"
#include "ui/sms.h"

namespace shortmsg {

class Terminal {
  public:
    explicit Terminal(const Services& services, FormObserver* observer = nullptr);
    ~Terminal();
    Terminal(const Terminal&) = delete;
    Terminal& operator=(const Terminal&) = delete;

    // Creates the main window, runs its Form_Load and shows it.
    void Start();
    bool Started() const { return sms_ != nullptr; }

    SMS& Sms() { return *sms_; }
    // The options window, created hidden (its Form_Load run) the first time it is touched.
    OptionsForm& Options();
    bool OptionsCreated() const { return options_ != nullptr; }

    GpsTracker& Gps() { return gps_; }

    Services services;
    // The text of the SMS read last.
    std::string ReceivedMessageText;
    // What the last decoded message left: kept between reads, as a status report or an
    // unknown message type leaves them as they were.
    std::string PDU_SenderAddress;
    std::string PDU_TimeStamp;

  private:
    FormObserver* observer_;
    std::unique_ptr<SMS> sms_;
    std::unique_ptr<OptionsForm> options_;
    GpsTracker gps_;
};

}  // namespace shortmsg
