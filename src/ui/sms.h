#pragma once
// The main window ("  Short Message"): its controls, the modem link it shows, and its event
// handlers. The link reports through LinkEvents; the window shows what it reports.
#include <string>
#include <string_view>

#include "link/link_events.h"
#include "link/messages.h"
#include "link/modem_link.h"
#include "ui/controls.h"

namespace shortmsg {

class Terminal;
class OptionsForm;

class SMS : public Form, public LinkEvents {
  public:
    explicit SMS(Terminal& app);

    TextBox SendToAddress{*this, "SendToAddress"};
    ComboBox PhoneBook{*this, "PhoneBook", "PhoneBook"};
    ComboBox QuickSMS_Combo1{*this, "QuickSMS_Combo1", std::string(texts::kQuickMessagePrompt)};
    TextBox SMinputWindow{*this, "SMinputWindow", "", 82};
    TextBox TxMessageByteCount{*this, "TxMessageByteCount"};
    Button SendButton{*this, "SendButton", "Send"};
    Button ClearButton{*this, "ClearButton", "Clear"};
    Button SerialPortSettings{*this, "SerialPortSettings", "Options"};
    Button QuitButton{*this, "QuitButton", "Quit"};
    TextBox ErrorMessageWindow{*this, "ErrorMessageWindow", "Error Messages", 0, kRed, false};
    TextBox MTDisplayWindow{*this, "MTDisplayWindow"};
    TextBox FromAddress{*this, "FromAddress"};
    TextBox ShortMessageTimeStamp{*this, "ShortMessageTimeStamp"};
    TextBox ReadSMSMemory1Index{*this, "ReadSMSMemory1Index", "00"};
    TextBox NumberOfMessages{*this, "NumberOfMessages", "   "};
    Button EraseButton{*this, "EraseButton", "Erase"};
    Button NextButton{*this, "NextButton", "Next"};
    TextBox DistanceMovedDisplay{*this, "DistanceMovedDisplay"};
    Shape MO_Supported{*this, "MO_Supported", kRed};
    Shape MT_Supported{*this, "MT_Supported", kRed};
    Timer ServiceSerialPortMSComm1Timer;
    Timer OneHalfSecondTimer;
    Timer SanityTimer;
    Timer ResponseTimeOutTimer;

    ModemLink& Link() { return link_; }
    const ModemLink& Link() const { return link_; }

    // Start-up: the link started on the port box's port, the quick messages, the timers.
    void Form_Load();
    void OneHalfSecondTimer_Timer();
    void ShowCmsError(const std::string& code);
    void QuitButton_Click();
    // Opens the modem port on the port box's number (or device); the not-available message
    // box when it cannot be opened. Used by start-up and by "Back to Main".
    bool OpenModemPort();

    // Operator commands.
    void SendButton_Click();
    void ClearButton_Click();
    void EraseButton_Click();
    void NextButton_Click();
    void PhoneBook_Click();
    void PhoneBook_Change();
    void QuickSMS_Combo1_Click();
    void SMinputWindow_Change();
    void SerialPortSettings_Click();
    // The deferred picks, run by the half-second tick.
    void QuickMessagePick();
    void PhoneBookPick();

    // Shows a text in the blinking error box.
    void ReportError(std::string_view text);
    // Shows a position report going out in the compose box, unless the operator's own text
    // is there: only an empty box, an earlier report or a confirmation makes way for it.
    void ShowReport(const std::string& sentence);
    // Whether the compose box shows the running send confirmation.
    bool ShowsConfirmation() const;
    // Whether the compose box holds the operator's own text: neither empty, nor a position
    // report, nor a confirmation.
    bool HoldsOperatorsText() const;
    // A new message: the received-message box on green, showing `text`, for a while.
    void HighlightNewMessage(std::string_view text);
    // Empties the phone-book list (a new reading of the SIM's phone book starts).
    void PhoneBookCleared() override;

    OptionsForm& Options();

    // The window's own state: the timed highlights and the deferred picks.
    std::string SavedInputText;
    std::string SentConfirmationText;  // what the running confirmation put into the box
    std::string ReportText;            // what the last position report put into the box
    int OperatorMessage = 0;           // the number of the operator's last message
    bool SentHighlight = false;
    int SentHighlightTicks = 0;
    bool NewMessageHighlight = false;
    int NewMessageHighlightTicks = 0;
    bool ErrorBlink = false;
    int ErrorBlinkTicks = 0;
    bool QuickSmsChosen = false;
    bool PhoneBookChosen = false;

  private:
    // LinkEvents: what the link reports, shown.
    void ModemTextReceived(const std::string& buffer) override;
    void ServiceSupport(const std::string& mt, const std::string& mo) override;
    void StorageCount(const std::string& used) override;
    void MessageAnnounced(const std::string& index) override;
    void MessageReceived(const MessageRead& message) override;
    void StatusReportReceived(const std::string& line) override;
    void ShortBurstTextReceived(const std::string& text) override;
    void SendConfirmed(int message) override;
    void SendFinished() override;
    void PhoneBookEntryRead(const std::string& name) override;
    void CmsErrorReceived(const std::string& code) override;
    void ErrorReported(std::string_view text) override;
    void ModemResetting() override;

    Terminal& app_;
    ModemLink link_;
};

}  // namespace shortmsg
