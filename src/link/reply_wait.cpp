// Waiting inside the service tick for the rest of a reply (the PDU line after "+CMGR:" or
// "+CDS:", the text after "+SBDRT:"). Every wait is bounded: the window does not answer
// while the tick waits, so a modem that stops half-way must not freeze it.
#include "link/modem_link.h"

namespace shortmsg {
namespace {

// How long a reply handler waits for the rest of its reply, from the start of its wait.
constexpr int kReplyWaitMs = 2000;

}  // namespace

std::int64_t ModemLink::ReplyDeadline() {
    return clock_.MonotonicMs() + kReplyWaitMs;
}

std::optional<std::size_t> ModemLink::FindAfterLine(std::size_t from, std::string_view needle,
                                                    std::int64_t deadline) {
    for (;;) {
        const std::string_view after = rx_.AfterLine();
        const std::size_t at = from <= after.size() ? after.find(needle, from) : after.npos;
        if (at != after.npos) return at;
        if (!ReceiveMore(deadline)) return std::nullopt;
    }
}

bool ModemLink::ReceiveMore(std::int64_t deadline) {
    // Positions into the buffer are live while a handler waits, so the oldest text cannot
    // be dropped here as the tick does: the buffer stops growing at its bound instead.
    if (rx_.Full()) return false;
    const std::int64_t left = deadline - clock_.MonotonicMs();
    if (left <= 0) return false;
    if (MSComm1.InBufferCount() == 0) {
        if (!MSComm1.PortOpen() || !MSComm1.WaitForInput(static_cast<int>(left))) return false;
    }
    if (!MSComm1.PortOpen() && !MSComm1.Open()) return false;
    const std::string bytes = MSComm1.Input();
    if (bytes.empty()) return false;
    rx_.Extend(bytes);
    return true;
}

}  // namespace shortmsg
