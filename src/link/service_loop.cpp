// The 200 ms serial service loop: drains the modem port, cuts and dispatches lines,
// notices the ">" prompt, writes at most one queued command and resends on a time-out.
#include <string>

#include "link/at_commands.h"
#include "link/messages.h"
#include "link/modem_link.h"

namespace shortmsg {
namespace {

// The messages a given-up command leaves unsent: a message body (ends in Ctrl-Z) or a short
// burst message's text or exchange.
bool CarriesMessage(std::string_view command) {
    return command.find(at::kCtrlZ) != std::string_view::npos ||
           command.starts_with(at::kSbdWriteText) || command.starts_with(at::kSbdExchange);
}

}  // namespace

void ModemLink::ServiceSerialPortMSComm1Timer_Timer() {
    if (MSComm1.InBufferCount() != 0) {
        ReadModemInput();
        CutAndDispatchLines();
        // The prompt: a ">" after the last complete line.
        if (queue_.LookForSendMessagePrompt && rx_.TakePrompt()) {
            PromptReceived = true;
            queue_.LookForSendMessagePrompt = false;
        }
    }
    PumpCommand();
    ResendOnTimeOut();
}

void ModemLink::ReadModemInput() {
    if (!MSComm1.PortOpen()) MSComm1.Open();
    rx_.Append(MSComm1.Input());
    events_.ModemTextReceived(rx_.Text());
}

void ModemLink::CutAndDispatchLines() {
    rx_.StartCutting();
    while (const auto line = rx_.NextLine()) DispatchLine(*line);
}

void ModemLink::PumpCommand() {
    if (!ReadyForNextCommand && !PromptReceived) return;
    PeriodicTimer& timeout = timers_.ResponseTimeOutTimer;
    if (timeout.Enabled()) timeout.SetEnabled(false);
    if (!queue_.HasNext()) return;

    queue_.Written();
    MSComm1.Output(queue_.LastCommandSent());
    NoteCommandWritten(queue_.LastCommandSent());

    if (ReadyForNextCommand) ReadyForNextCommand = false;
    if (timeout.Enabled()) timeout.SetEnabled(false);
    awaitingBodyResult_ = PromptReceived;
    if (PromptReceived) {
        PromptReceived = false;
        timeout.SetInterval(kMessageBodyTimeOut);
    } else {
        timeout.SetInterval(kCommandTimeOut);
    }
    if (!timeout.Enabled()) timeout.SetEnabled(true);
}

void ModemLink::ResendOnTimeOut() {
    if (!ResponseTimedOut) return;
    PeriodicTimer& timeout = timers_.ResponseTimeOutTimer;
    if (timeout.Enabled()) timeout.SetEnabled(false);
    ResponseTimedOut = false;
    if (queue_.UseResend()) {
        MSComm1.Output(queue_.LastCommandSent());
        if (!timeout.Enabled()) timeout.SetEnabled(true);
        return;
    }
    if (!ReadyForNextCommand) ReadyForNextCommand = true;
    if (CarriesMessage(queue_.LastCommandSent())) events_.ErrorReported(texts::kNotSentNoAnswer);
}

void ModemLink::ModemAnswered() {
    ModemResponding = true;
    if (!ReadyForNextCommand) ReadyForNextCommand = true;
}

}  // namespace shortmsg
