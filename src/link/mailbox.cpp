// Short burst mail: with "SBM Enabled" checked when the modem is initialised, it is asked
// for ring alerts; while it stays checked, a mailbox check ("AT+SBDD0" to empty the
// outgoing buffer, then "AT+SBDI") runs when the modem rings ("SBDRING") and every 15
// minutes, so a message waiting at the gateway is read without the operator sending one.
// No check runs while a short burst send is under way.
#include <string>

#include "link/at_commands.h"
#include "link/modem_link.h"

namespace shortmsg {
namespace {

constexpr std::int64_t kMailboxPeriodMs = 15 * 60 * 1000;

}  // namespace

void ModemLink::AskForRingAlerts() {
    if (!settings_.sbmEnabled) return;
    lastMailboxCheck_ = clock_.MonotonicMs();
    QueueCommand(at::kSbdRingAlerts);
}

void ModemLink::CheckMailbox() {
    if (!settings_.sbmEnabled) return;
    const std::string exchange = std::string(at::kSbdExchange).append(at::kLineEnd);
    const bool sending = queue_.Holds(exchange) ||
                         RoleOf(queue_.Head().text) == LineRole::SbdText ||
                         (RoleOf(queue_.Head().text) == LineRole::SbdExchange && MessageInFlight());
    if (sending) return;
    lastMailboxCheck_ = clock_.MonotonicMs();
    QueueCommand(at::kSbdClearOutgoing);
    QueueCommand(at::kSbdExchange);
}

void ModemLink::MailboxDue() {
    if (!settings_.sbmEnabled) {
        lastMailboxCheck_ = clock_.MonotonicMs();  // 15 minutes from when it is checked
        return;
    }
    if (clock_.MonotonicMs() - lastMailboxCheck_ >= kMailboxPeriodMs) CheckMailbox();
}

// "SBDRING": a message waits at the gateway.
void ModemLink::SbdRingLine(const std::string&) {
    CheckMailbox();
}

bool ModemLink::RefusalExpected() const {
    const std::string& head = queue_.Head().text;
    return head.starts_with(at::kSbdRingAlerts) || head.starts_with(at::kSbdClearOutgoing);
}

}  // namespace shortmsg
