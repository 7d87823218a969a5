// Start-up of the modem link: the main window's Form_Load.
#include <string>

#include "link/at_commands.h"
#include "link/messages.h"
#include "link/port_designation.h"
#include "link/text.h"
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

constexpr int kSanityInterval = 20000;  // ms; the window's layout holds 60000

void AddQuickMessages(SMS& sms) {
    for (std::string_view message : kQuickMessages) sms.QuickSMS_Combo1.AddItem(message);
}

}  // namespace

bool SMS::OpenModemPort() {
    const std::string& portText = Options().RadioSerialPortNumber.Text();
    if (const std::string port = PortDesignation(portText); !port.empty()) {
        MSComm1.SetCommPort(port);
        MSComm1.SetSettings(std::string(at::kModemPortSettings));
        if (MSComm1.Open()) return true;
    }
    app_.services.messageBox.Show(texts::PortNotAvailable(portText));
    return false;
}

void SMS::Form_Load() {
    QuitButton.SetEnabled(true);
    MSComm1.SetInputLen(0);
    if (MSComm1.PortOpen()) MSComm1.Close();
    if (!OpenModemPort()) {
        // The terminal still comes up whole, so that it recovers at once when the port is
        // fixed in the options window: the canned texts are there, the sanity check runs
        // every 20 s once started, and the queue's bookkeeping points before its start so
        // that the first command queued later is written whole.
        AddQuickMessages(*this);
        SanityTimer.SetInterval(kSanityInterval);
        TxCommandEnd = -1;
        return;
    }

    AddQuickMessages(*this);
    MSComm1.DiscardInput();
    RxLineStart = 1;

    TxModemBuffer.clear();
    for (std::string_view command : at::kInitialisation) {
        TxModemBuffer.append(command).append(at::kLineEnd);
    }
    TxCommandStart = 1;
    TxCommandEnd = InStr(1, TxModemBuffer, at::kLineEnd);
    LastCommandSent = Mid(TxModemBuffer, TxCommandStart, TxCommandEnd + 2 - TxCommandStart);
    MSComm1.Output(LastCommandSent);

    if (!ResponseTimeOutTimer.Enabled()) ResponseTimeOutTimer.SetEnabled(true);
    ReadyForNextCommand = false;
    PromptReceived = false;
    ResendCount = 0;
    ResponseTimedOut = false;
    if (!ServiceSerialPortMSComm1Timer.Enabled()) ServiceSerialPortMSComm1Timer.SetEnabled(true);
    ModemResponding = false;
    SanityTimer.SetInterval(kSanityInterval);
    if (!SanityTimer.Enabled()) SanityTimer.SetEnabled(true);
    if (!OneHalfSecondTimer.Enabled()) OneHalfSecondTimer.SetEnabled(true);
    SentHighlightTicks = 0;
}

}  // namespace shortmsg
