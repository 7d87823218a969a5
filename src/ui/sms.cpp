#include "ui/sms.h"

#include "ui/terminal.h"

namespace shortmsg {

SMS::SMS(Terminal& app)
    : Form("SMS", "  Short Message"),
      ServiceSerialPortMSComm1Timer(*this, "ServiceSerialPortMSComm1Timer", app.services.timers,
                                    200, false),
      OneHalfSecondTimer(*this, "OneHalfSecondTimer", app.services.timers, 500, true),
      SanityTimer(*this, "SanityTimer", app.services.timers, 60000, false),
      ResponseTimeOutTimer(*this, "ResponseTimeOutTimer", app.services.timers, 10000, false),
      MSComm1(app.services.MSComm1),
      app_(app) {
    SendButton.OnClick = [this] { SendButton_Click(); };
    ClearButton.OnClick = [this] { ClearButton_Click(); };
    EraseButton.OnClick = [this] { EraseButton_Click(); };
    NextButton.OnClick = [this] { NextButton_Click(); };
    QuitButton.OnClick = [this] { QuitButton_Click(); };
    SerialPortSettings.OnClick = [this] { SerialPortSettings_Click(); };
    PhoneBook.OnClick = [this] { PhoneBook_Click(); };
    PhoneBook.OnChange = [this] { PhoneBook_Change(); };
    QuickSMS_Combo1.OnClick = [this] { QuickSMS_Combo1_Click(); };
    SMinputWindow.OnChange = [this] { SMinputWindow_Change(); };
    ServiceSerialPortMSComm1Timer.OnTimer = [this] { ServiceSerialPortMSComm1Timer_Timer(); };
    OneHalfSecondTimer.OnTimer = [this] { OneHalfSecondTimer_Timer(); };
    SanityTimer.OnTimer = [this] { SanityTimer_Timer(); };
    ResponseTimeOutTimer.OnTimer = [this] { ResponseTimeOutTimer_Timer(); };
}

OptionsForm& SMS::Options() {
    return app_.Options();
}

void SMS::ReportError(std::string_view text) {
    ErrorBlink = true;
    ErrorMessageWindow.SetText(text);
    ErrorBlinkTicks = 0;
}

}  // namespace shortmsg
