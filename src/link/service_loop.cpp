// The 200 ms serial service loop: drains the modem port, cuts and dispatches lines,
// notices the ">" prompt, writes at most one queued command and resends on a time-out.
#include <string>
#include <utility>

#include "link/at_commands.h"
#include "link/messages.h"
#include "link/modem_link.h"

namespace shortmsg {

void ModemLink::ServiceSerialPortMSComm1Timer_Timer() {
    waitDeadline_ = 0;
    const bool linesLeft = std::exchange(stopCutting_, false);
    const bool input = MSComm1.InBufferCount() != 0;
    if (input || linesLeft) {
        if (input && !MSComm1.PortOpen()) {
            if (MSComm1.Open()) PortReturned();
            return;
        }
        if (input) ReadModemInput();
        CutAndDispatchLines();
        // The prompt: a ">" after the last complete line (none while lines wait for the next
        // tick).
        if (!stopCutting_ && queue_.LookForSendMessagePrompt && rx_.TakePrompt()) {
            PromptReceived = true;
            queue_.LookForSendMessagePrompt = false;
        } else if (!stopCutting_ && CancelStrayPrompt()) {
            return;
        }
    }
    PumpCommand();
    ResendOnTimeOut();
}

void ModemLink::ReadModemInput() {
    rx_.Append(MSComm1.Input());
    events_.ModemTextReceived(rx_.Text());
}

void ModemLink::CutAndDispatchLines() {
    rx_.StartCutting();
    while (!stopCutting_) {
        const auto line = rx_.NextLine();
        if (!line) break;
        DispatchLine(*line);
    }
}

bool ModemLink::CancelStrayPrompt() {
    if (!rx_.PromptWaiting()) return false;
    rx_.TakePrompt();
    MSComm1.Output(std::string(1, at::kEscape));
    return true;
}

// Nothing is written while the port is closed: the queue waits for its return whole.
void ModemLink::PumpCommand() {
    if (!ReadyForNextCommand && !PromptReceived) return;
    PeriodicTimer& timeout = timers_.ResponseTimeOutTimer;
    if (timeout.Enabled()) timeout.SetEnabled(false);
    if (!MSComm1.PortOpen()) return;
    if (ReadyForNextCommand) EndUnansweredMessage();
    // A body goes only after its prompt: released without one, its "AT+CMGS=" was answered
    // otherwise (an error) or given up, and the message does not go.
    while (!PromptReceived && queue_.HasNext() && queue_.Next().message != 0 &&
           RoleOf(queue_.Next().text) == LineRole::MessageBody) {
        MessageFailed(queue_.Next().message, texts::kNotSentRefused);
    }
    if (!queue_.HasNext()) return;

    queue_.Written();
    MSComm1.Output(queue_.LastCommandSent());
    NoteCommandWritten(queue_.LastCommandSent());
    // Each "AT+CMGS=" awaits its own prompt, from the moment it is written.
    if (RoleOf(queue_.Head().text) == LineRole::SendCommand) queue_.LookForSendMessagePrompt = true;

    ReadyForNextCommand = false;
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
    if (!MSComm1.PortOpen()) {
        ResponseTimedOut = false;  // no answer can come; the port's return restarts the link
        return;
    }
    PeriodicTimer& timeout = timers_.ResponseTimeOutTimer;
    if (timeout.Enabled()) timeout.SetEnabled(false);
    ResponseTimedOut = false;
    if (queue_.UseResend()) {
        MSComm1.Output(queue_.LastCommandSent());
        if (!timeout.Enabled()) timeout.SetEnabled(true);
        return;
    }
    GiveUpCommand();
}

// Three resends went unanswered: the queue moves on, and a message whose line that was
// does not go (its body is not written as a command).
void ModemLink::GiveUpCommand() {
    ReadyForNextCommand = true;
    if (const int message = MessageInFlight()) MessageFailed(message, texts::kNotSentNoAnswer);
}

void ModemLink::ModemAnswered() {
    ModemResponding = true;
    ReadyForNextCommand = true;
}

// The queue moves on from a line of a message that an "ERROR" answered, or from a body or a
// short burst exchange without its outcome ("+CMGS:", "+CMS ERROR:", "+SBDI:"; a bare "OK"
// from a modem reset meanwhile): the message does not go, none of its lines still waiting
// (the next part of a text, the exchange after a refused "AT+SBDWT=") is written.
void ModemLink::EndUnansweredMessage() {
    const int refused = std::exchange(refusedMessage_, 0);
    const int message = MessageInFlight();
    if (message == 0) return;
    const LineRole role = RoleOf(queue_.Head().text);
    const bool noOutcome =
        (role == LineRole::MessageBody && awaitingBodyResult_) || role == LineRole::SbdExchange;
    if (refused == message || noOutcome) MessageFailed(message, texts::kNotSentRefused);
}

int ModemLink::MessageInFlight() const {
    const int message = queue_.Head().message;
    return outbox_.Pending(message) ? message : 0;
}

void ModemLink::MessageFailed(int message, std::string_view reason) {
    if (message == 0) return;
    queue_.DropMessage(message);
    if (queue_.Head().message == message) queue_.LookForSendMessagePrompt = false;
    if (outbox_.Fail(message) && !reason.empty()) events_.ErrorReported(reason);
}

}  // namespace shortmsg
