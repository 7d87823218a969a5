#include "link/reply_wait.h"

#include <string>

#include "link/dispatch.h"
#include "link/text.h"
#include "ui/terminal.h"

namespace shortmsg {

ReplyWait::ReplyWait(SMS& sms)
    : sms_(sms), deadline_(sms.App().services.clock.MonotonicMs() + kReplyWaitMs) {}

long ReplyWait::Find(long from, std::string_view needle) {
    for (;;) {
        const long at = InStr(from, sms_.RxModemBuffer, needle);
        if (at != 0 || !ReceiveMore()) return at;
    }
}

bool ReplyWait::ReceiveMore() {
    std::string& rx = sms_.RxModemBuffer;
    SerialPort& port = sms_.MSComm1;
    // Positions into the buffer are live while a handler waits, so the oldest text cannot
    // be dropped here as the tick does: the buffer stops growing at its bound instead.
    if (rx.size() >= kReceiveBufferLimit) return false;
    const std::int64_t left = deadline_ - sms_.App().services.clock.MonotonicMs();
    if (left <= 0) return false;
    if (port.InBufferCount() == 0) {
        if (!port.PortOpen() || !port.WaitForInput(static_cast<int>(left))) return false;
    }
    if (!port.PortOpen() && !port.Open()) return false;
    const std::string bytes = port.Input();
    if (bytes.empty()) return false;
    rx.append(bytes, 0, kReceiveBufferLimit - rx.size());
    return true;
}

}  // namespace shortmsg
