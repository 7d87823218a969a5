#include "ui/options_form.h"

#include "ui/terminal.h"

namespace shortmsg {

OptionsForm::OptionsForm(Terminal& app)
    : Form("OptionsForm", "Options"),
      GPS_Timer1(*this, "GPS_Timer1", app.services.timers, 500, false),
      GPS_LocationUpdateTimer(*this, "GPS_LocationUpdateTimer", app.services.timers, 9000, false),
      GPSComm1(app.services.GPSComm1),
      app_(app) {
    RadioSerialPortNumber.OnClick = [this] { RadioSerialPortNumber_Click(); };
    UseSCAinPhone.OnClick = [this] { UseSCAinPhone_Click(); };
    EnableGPS.OnClick = [this] { EnableGPS_Click(); };
    UpdatePhoneBookButton.OnClick = [this] { UpdatePhoneBookButton_Click(); };
    BackToMainButton.OnClick = [this] { BackToMainButton_Click(); };
    GPS_Timer1.OnTimer = [this] { app_.Gps().GPS_Timer1_Timer(); };
    GPS_LocationUpdateTimer.OnTimer = [this] { app_.Gps().GPS_LocationUpdateTimer_Timer(); };
}

void OptionsForm::Form_Load() {
    SerialPortNumberChanged = false;
}

}  // namespace shortmsg
