// The options window's actions: the modem port box, the "Default SCA" length rule, the GPS
// receiver on and off, "Update Phone Book" and "Back to Main".
#include <string>

#include "link/at_commands.h"
#include "link/messages.h"
#include "ui/terminal.h"

namespace shortmsg {
namespace {

// The longest message the input box takes: the service-centre address sent in the PDU
// leaves room for fewer characters.
constexpr int kMessageLengthPhoneSca = 82;
constexpr int kMessageLengthOwnSca = 70;

}  // namespace

// A click into the box, not a change of its text, marks the port as changed.
void OptionsForm::RadioSerialPortNumber_Click() {
    SerialPortNumberChanged = true;
}

void OptionsForm::UseSCAinPhone_Click() {
    if (!app_.Started()) return;
    app_.Sms().SMinputWindow.SetMaxLength(UseSCAinPhone.Checked() ? kMessageLengthPhoneSca
                                                                  : kMessageLengthOwnSca);
}

// The GPS receiver is always on port 3; its polling is GPS_Timer1's.
void OptionsForm::EnableGPS_Click() {
    if (!EnableGPS.Checked()) {
        if (GPSComm1.PortOpen()) GPSComm1.Close();
        if (GPS_Timer1.Enabled()) GPS_Timer1.SetEnabled(false);
        return;
    }
    GPSComm1.SetInputLen(0);
    if (GPSComm1.PortOpen()) GPSComm1.Close();
    GPSComm1.SetCommPort(std::string(at::kGpsPortNumber));
    GPSComm1.SetSettings(std::string(at::kGpsPortSettings));
    if (!GPSComm1.Open()) {
        app_.services.messageBox.Show(texts::GpsPortNotAvailable(at::kGpsPortNumber));
        return;
    }
    if (!GPS_Timer1.Enabled()) GPS_Timer1.SetEnabled(true);
}

// The list is emptied and the three queries queued; they reach the modem after "Back to
// Main", and their replies fill the list again.
void OptionsForm::UpdatePhoneBookButton_Click() {
    if (!app_.Started()) return;
    SMS& sms = app_.Sms();
    sms.PhoneBookCleared();
    if (sms.PhoneBook.Text() != texts::kPhoneBookText) sms.PhoneBook.SetText(texts::kPhoneBookText);
    sms.Link().QueueCommand(at::kSelectSimPhoneBook);
    sms.Link().QueueCommand(at::kPhoneBookQuery);
    sms.Link().QueueCommand(at::kPhoneBookRange);
}

void OptionsForm::BackToMainButton_Click() {
    if (!app_.Started()) return;
    SMS& sms = app_.Sms();
    sms.Show();
    Hide();
    for (Timer* timer : {&sms.ResponseTimeOutTimer, &sms.ServiceSerialPortMSComm1Timer,
                         &sms.SanityTimer, &sms.OneHalfSecondTimer}) {
        if (!timer->Enabled()) timer->SetEnabled(true);
    }
    if (!SerialPortNumberChanged) return;
    SerialPortNumberChanged = false;
    if (sms.OpenModemPort()) sms.Link().PortReturned();
}

}  // namespace shortmsg
