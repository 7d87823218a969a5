// Waiting inside the service tick for the rest of a reply (the PDU line after "+CMGR:" or
// "+CDS:", the text after "+SBDRT:"). The window does not answer while the tick waits, so
// the waits of one tick share one budget of 2 s: a modem that stops half-way, or a read
// full of replies cut short, cannot freeze it for longer. A reply that would wait once the
// budget is spent is left, whole, for the next tick.
#include "link/modem_link.h"

namespace shortmsg {
namespace {

constexpr int kReplyWaitMs = 2000;

}  // namespace

std::optional<std::size_t> ModemLink::FindAfterLine(std::size_t from, std::string_view needle) {
    for (;;) {
        const std::string_view after = rx_.AfterLine();
        const std::size_t at = from <= after.size() ? after.find(needle, from) : after.npos;
        if (at != after.npos) return at;
        if (!ReceiveMore()) return std::nullopt;
    }
}

bool ModemLink::AwaitAfterLine(std::size_t count) {
    while (rx_.AfterLine().size() < count) {
        if (!ReceiveMore()) return false;
    }
    return true;
}

bool ModemLink::WaitBudgetSpent() {
    return waitDeadline_ != 0 && clock_.MonotonicMs() >= waitDeadline_;
}

bool ModemLink::ReceiveMore() {
    if (waitDeadline_ == 0) waitDeadline_ = clock_.MonotonicMs() + kReplyWaitMs;
    // Positions into the buffer are live while a handler waits, so the oldest text cannot
    // be dropped here as the tick does: the buffer stops growing at its bound instead.
    if (rx_.Full() || !MSComm1.PortOpen()) return false;
    const std::int64_t left = waitDeadline_ - clock_.MonotonicMs();
    if (left <= 0) return false;
    if (MSComm1.InBufferCount() == 0 && !MSComm1.WaitForInput(static_cast<int>(left))) {
        return false;
    }
    const std::string bytes = MSComm1.Input();
    if (bytes.empty()) return false;
    rx_.Extend(bytes);
    return true;
}

}  // namespace shortmsg
