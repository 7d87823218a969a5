#include "ui/sms.h"

#include "link/cms_error.h"
#include "ui/terminal.h"

namespace shortmsg {
namespace {

constexpr std::string_view kQuickMessages[] = {
    "Please call me!",
    "Test SMS Message!",
    "GPSquery:1",
    "GPSquery:0,0.03,",
    "GPSquery:0,0,60,0,01/13/03 03:26:00 pm,01/13/03 03:29:00 pm,",
};

}  // namespace

SMS::SMS(Terminal& app)
    : Form("SMS", "  Short Message"),
      ServiceSerialPortMSComm1Timer(*this, "ServiceSerialPortMSComm1Timer", app.services.timers,
                                    200, false),
      OneHalfSecondTimer(*this, "OneHalfSecondTimer", app.services.timers, 500, true),
      SanityTimer(*this, "SanityTimer", app.services.timers, 60000, false),
      ResponseTimeOutTimer(*this, "ResponseTimeOutTimer", app.services.timers, 10000, false),
      app_(app),
      link_(app.services.MSComm1,
            LinkTimers{ServiceSerialPortMSComm1Timer, SanityTimer, ResponseTimeOutTimer},
            app.services.clock, app.linkSettings, *this) {
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
    OneHalfSecondTimer.OnTimer = [this] { OneHalfSecondTimer_Timer(); };
}

OptionsForm& SMS::Options() {
    return app_.Options();
}

void SMS::ReportError(std::string_view text) {
    ErrorBlink = true;
    ErrorMessageWindow.SetText(text);
    ErrorBlinkTicks = 0;
}

void SMS::ShowReport(const std::string& sentence) {
    if (HoldsOperatorsText()) return;
    SMinputWindow.SetText(sentence);
    ReportText = SMinputWindow.Text();
}

bool SMS::ShowsConfirmation() const {
    return SentHighlight && SMinputWindow.Text() == SentConfirmationText;
}

bool SMS::HoldsOperatorsText() const {
    const std::string& shown = SMinputWindow.Text();
    return !shown.empty() && shown != ReportText && !ShowsConfirmation();
}

void SMS::HighlightNewMessage(std::string_view text) {
    NewMessageHighlight = true;
    NewMessageHighlightTicks = 0;
    MTDisplayWindow.SetBackColor(kGreen);
    MTDisplayWindow.SetText(text);
}

bool SMS::OpenModemPort() {
    if (link_.OpenPort()) return true;
    app_.services.messageBox.Show(texts::PortNotAvailable(Options().RadioSerialPortNumber.Text()));
    return false;
}

// The port number comes from the options window, which touching creates (hidden). A start
// without the port still brings the terminal up whole, so that it recovers at once when the
// port is fixed in the options window.
void SMS::Form_Load() {
    QuitButton.SetEnabled(true);
    Link().Port().SetInputLen(0);
    Options();
    const bool opened = OpenModemPort();
    for (std::string_view message : kQuickMessages) QuickSMS_Combo1.AddItem(message);
    if (!opened) {
        link_.StartWithoutPort();
        return;
    }
    link_.Start();
    if (!OneHalfSecondTimer.Enabled()) OneHalfSecondTimer.SetEnabled(true);
    SentHighlightTicks = 0;
}

// Codes in the table are shown in words; every other code, and text that is not a 16-bit
// whole number (the verbose form), is shown exactly as received.
void SMS::ShowCmsError(const std::string& code) {
    ReportError(CmsErrorMessage(code));
}

// Quit: the modem port is closed, the modem timers stopped and the program ends at once;
// whatever is still queued is dropped.
void SMS::QuitButton_Click() {
    link_.Quit();
    if (OneHalfSecondTimer.Enabled()) OneHalfSecondTimer.SetEnabled(false);
    app_.services.programEnd.End();
}

}  // namespace shortmsg
