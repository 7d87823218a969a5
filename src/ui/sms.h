#pragma once
// The main window ("  Short Message"): its controls, the modem link state it owns, and its
// event handlers. Start-up, the service loop, the reply handlers and the supervision timers
// are implemented in link/; the operator's commands in ui/.
#include <string>
#include <string_view>

#include "link/link_state.h"
#include "link/messages.h"
#include "platform/serial_port.h"
#include "ui/controls.h"

namespace shortmsg {

class Terminal;
class OptionsForm;

class SMS : public Form, public LinkState {
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
    SerialPort& MSComm1;

    // Start-up, service loop, supervision, error texts, quit (link/).
    void Form_Load();
    void ServiceSerialPortMSComm1Timer_Timer();
    void OneHalfSecondTimer_Timer();
    void SanityTimer_Timer();
    void ResponseTimeOutTimer_Timer();
    void ShowCmsError(const std::string& code);
    void QuitButton_Click();
    // Opens the modem port on the port box's number (or device); the not-available message
    // box when it cannot be opened. Used by start-up and by "Back to Main".
    bool OpenModemPort();

    // Operator commands (ui/).
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

    // Reply handlers called by the dispatch with the current line (link/).
    void CsmsReply(const std::string& line);
    void CpmsReply(const std::string& line);
    void CmgsReply(const std::string& line);
    void SbdiReply(const std::string& line);
    void SbdrtReply(const std::string& line);
    void CmgrReply(const std::string& line);
    void CdsReply(const std::string& line);
    void CmtiReply(const std::string& line);
    void CpbsReply(const std::string& line);
    void CpbrReply(const std::string& line);

    // Producers' side of the command queue.
    void QueueCommand(std::string_view command);  // appends the command and CR LF
    // Queues an SMS: "AT+CMGS=" with the length, the PDU with Ctrl-Z, "AT+CNMI=1,1,0,0,0"
    // and "AT+CPMS?"; sets LookForSendMessagePrompt.
    void QueueSmsSubmit(const std::string& pdu);
    // The same with the given length after "AT+CMGS=".
    void QueueSmsSubmit(const std::string& pdu, int length);
    // Encodes the text for the destination with the options window's settings and queues
    // it as above; a message the encoder refuses is shown in the error box instead, and
    // false returned.
    bool QueueTextMessage(std::string_view text, std::string_view destination);
    // Queues a short burst message: "AT+SBDWT=" with the text, then "AT+SBDI".
    void QueueSbdMessage(std::string_view text);
    // Shows a text in the blinking error box.
    void ReportError(std::string_view text);

    Terminal& App() { return app_; }
    OptionsForm& Options();

  private:
    Terminal& app_;
};

}  // namespace shortmsg
