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
    UseSCAinPhone.OnClick = [this] {
        FillSettings();
        UseSCAinPhone_Click();
    };
    EnableGPS.OnClick = [this] {
        FillSettings();
        EnableGPS_Click();
    };
    for (TextBox* box : {&RadioSerialPortNumber, &ServiceCenterAddress, &AllowedNumbers}) {
        box->OnChange = [this] { FillSettings(); };
    }
    for (CheckBox* box : {&RegisteredSM, &SBM_Enabled, &StoreRxGPS, &ShortBurstQueries}) {
        box->OnClick = [this] { FillSettings(); };
    }
    UpdatePhoneBookButton.OnClick = [this] { UpdatePhoneBookButton_Click(); };
    BackToMainButton.OnClick = [this] { BackToMainButton_Click(); };
    GPS_Timer1.OnTimer = [this] { app_.Gps().GPS_Timer1_Timer(); };
    FillSettings();
}

void OptionsForm::Form_Load() {
    SerialPortNumberChanged = false;
}

void OptionsForm::FillSettings() {
    LinkSettings& link = app_.linkSettings;
    link.port = RadioSerialPortNumber.Text();
    link.serviceCenter = ServiceCenterAddress.Text();
    link.useScaInPhone = UseSCAinPhone.Checked();
    link.registered = RegisteredSM.Checked();
    link.sbmEnabled = SBM_Enabled.Checked();
    GpsSettings& gps = app_.gpsSettings;
    gps.enableGps = EnableGPS.Checked();
    gps.storeRxGps = StoreRxGPS.Checked();
    gps.allowedNumbers = AllowedNumbers.Text();
    gps.shortBurstQueries = ShortBurstQueries.Checked();
}

}  // namespace shortmsg
