#pragma once
// The options window ("Options"): the settings, the GPS receiver port and its timers, the
// debug and status displays, and the actions "Back to Main" and "Update Phone Book". The
// modem link and the GPS side read the settings from the structs this window fills.
#include "platform/serial_port.h"
#include "ui/controls.h"

namespace shortmsg {

class Terminal;

class OptionsForm : public Form {
  public:
    explicit OptionsForm(Terminal& app);

    TextBox ServiceCenterAddress{*this, "ServiceCenterAddress", "881662900005"};
    CheckBox UseSCAinPhone{*this, "UseSCAinPhone", "Default SCA", true};
    CheckBox RegisteredSM{*this, "RegisteredSM", "Registered", false};
    CheckBox SBM_Enabled{*this, "SBM_Enabled", "SBM Enabled", false};
    TextBox RadioSerialPortNumber{*this, "RadioSerialPortNumber", "1"};
    CheckBox EnableGPS{*this, "EnableGPS", "GPS Enable", false};
    CheckBox StoreRxGPS{*this, "StoreRxGPS", "Store Rx GPS", false};
    // Who may ask for the position: numbers separated by commas (empty: anyone), and
    // whether short burst data may ask while numbers are set.
    TextBox AllowedNumbers{*this, "AllowedNumbers"};
    CheckBox ShortBurstQueries{*this, "ShortBurstQueries", "Short burst queries", false};
    CheckBox ModemLog{*this, "ModemLog", "Modem Log", false};
    TextBox DebugWindow{*this, "DebugWindow"};
    TextBox GPS_Window{*this, "GPS_Window"};
    ComboBox MO_Message_Status{*this, "MO_Message_Status", "Message Status"};
    Button BackToMainButton{*this, "BackToMainButton", "Back to Main"};
    Button UpdatePhoneBookButton{*this, "UpdatePhoneBookButton", "Update Phone Book"};
    Timer GPS_Timer1;
    Timer GPS_LocationUpdateTimer;
    SerialPort& GPSComm1;

    bool SerialPortNumberChanged = false;

    void Form_Load();
    void RadioSerialPortNumber_Click();
    void UseSCAinPhone_Click();
    void EnableGPS_Click();
    void UpdatePhoneBookButton_Click();
    void BackToMainButton_Click();
    // Copies the settings into the terminal's LinkSettings and GpsSettings; runs whenever
    // one of them changes.
    void FillSettings();

  private:
    Terminal& app_;
};

}  // namespace shortmsg
