#pragma once
// Waiting inside the service tick for the rest of a reply (the PDU line after "+CMGR:" or
// "+CDS:", the text after "+SBDRT:"). Every wait is bounded: the window does not answer
// while the tick waits, so a modem that stops half-way must not freeze it.
#include <cstdint>
#include <string_view>

namespace shortmsg {

class SMS;

// How long a reply handler waits for the rest of its reply, from the start of its wait.
inline constexpr int kReplyWaitMs = 2000;

class ReplyWait {
  public:
    // The bound starts now.
    explicit ReplyWait(SMS& sms);

    // Position (1-based) of `needle` in the receive buffer at or after `from`. While it is
    // not there, the modem's further input is read into the buffer as the service loop does
    // (opening a closed port first), until it turns up or the bound has passed: then 0.
    long Find(long from, std::string_view needle);

  private:
    // Reads what the modem sends next into the receive buffer; false when nothing more can
    // come within the bound (or the buffer is full).
    bool ReceiveMore();

    SMS& sms_;
    std::int64_t deadline_;
};

}  // namespace shortmsg
