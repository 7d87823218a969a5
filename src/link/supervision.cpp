// The supervision of the modem: the 20 s sanity check and the response time-out.
#include <string>
#include <string_view>

#include "link/at_commands.h"
#include "link/messages.h"
#include "link/modem_link.h"

namespace shortmsg {
namespace {

// Whether queued text still holds an unconfirmed message: an "AT+CMGS=" with its body, or
// a short burst text.
bool HoldsMessage(std::string_view queued) {
    return queued.find(at::kSendMessage) != std::string_view::npos ||
           queued.find(at::kSbdWriteText) != std::string_view::npos;
}

}  // namespace

// A modem that answered since the last check gets its message settings refreshed; a silent
// one is reset. A port that could not be opened (or went away) is tried again each time.
void ModemLink::SanityTimer_Timer() {
    if (!MSComm1.PortOpen()) MSComm1.Open();
    if (ModemResponding) {
        ModemResponding = false;
        QueueCommand(at::kServiceQuery);
        QueueCommand(settings_.registered ? at::kIndicationsWithReports
                                          : at::kIndicationsNoReports);
    } else {
        ResetModem();
    }
}

// "ATZ" written outside the queue, and the queue replaced by the re-initialisation, whose
// first "AT" stands for the "ATZ". A message it drops is reported.
void ModemLink::ResetModem() {
    events_.ModemResetting();
    MSComm1.Output(std::string(at::kReset).append(at::kLineEnd));
    if (HoldsMessage(queue_.HeadAndWaiting())) events_.ErrorReported(texts::kNotSentModemReset);
    queue_.ReplaceWith({at::kReinitialisation.begin(), at::kReinitialisation.end()});
    // No "AT+CMGS=" is left in the queue, so no ">" prompt is expected any more: a ">" in
    // later modem text (a phone-book name cut at a chunk's end) is not taken for one.
    queue_.LookForSendMessagePrompt = false;
}

void ModemLink::ResponseTimeOutTimer_Timer() {
    ResponseTimedOut = true;
}

}  // namespace shortmsg
