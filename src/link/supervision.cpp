// The supervision of the modem: the 20 s sanity check and the response time-out.
#include <set>
#include <string>

#include "link/at_commands.h"
#include "link/messages.h"
#include "link/modem_link.h"

namespace shortmsg {

// A modem that answered since the last check gets its message settings refreshed; a silent
// one is reset. A port that could not be opened (or went away) is tried again each time;
// while it stays closed nothing can reach the modem, so the queue is kept for its return.
void ModemLink::SanityTimer_Timer() {
    if (!MSComm1.PortOpen()) {
        if (MSComm1.Open()) {
            PortReturned();
        } else {
            events_.ModemResetting();
        }
        return;
    }
    if (ModemResponding) {
        ModemResponding = false;
        QueueCommand(at::kServiceQuery);
        QueueCommand(settings_.registered ? at::kIndicationsWithReports
                                          : at::kIndicationsNoReports);
        MailboxDue();
    } else {
        ResetModem();
    }
}

// Every message in flight or queued is dropped with the queue, and reported once.
void ModemLink::ResetModem() {
    events_.ModemResetting();
    const std::set<int> dropped = queue_.Messages();
    WriteResetAndReinitialise();
    for (int message : dropped) {
        if (outbox_.Fail(message)) events_.ErrorReported(texts::kNotSentModemReset);
    }
}

void ModemLink::WriteResetAndReinitialise() {
    MSComm1.Output(std::string(1, at::kEscape));
    MSComm1.Output(std::string(at::kReset).append(at::kLineEnd));
    queue_.ReplaceWith({at::kReinitialisation.begin(), at::kReinitialisation.end()});
    queue_.SetLastCommandSent(std::string(at::kReset).append(at::kLineEnd));
    // Nothing written before the "ATZ" is answered or resent any more: no prompt, no body
    // result, and the time-out and its resends start afresh with the next command written.
    queue_.LookForSendMessagePrompt = false;
    PromptReceived = false;
    awaitingBodyResult_ = false;
    refusedMessage_ = 0;
    ResponseTimedOut = false;
    queue_.ResetResends();
    PeriodicTimer& timeout = timers_.ResponseTimeOutTimer;
    if (timeout.Enabled()) timeout.SetEnabled(false);
    AskForRingAlerts();  // the reset ended them
}

void ModemLink::ResponseTimeOutTimer_Timer() {
    ResponseTimedOut = true;
}

}  // namespace shortmsg
