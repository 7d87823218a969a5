#pragma once
// The simulated SIM's message store: numbered slots from 1, as "+CMTI:", "AT+CMGR=" and
// "AT+CMGD=" name them.
#include <map>
#include <optional>
#include <string>

#include "deliver_pdu.h"

namespace shortmsg::modemsim {

inline constexpr int kStoreCapacity = 30;

struct StoredMessage {
    DeliverPdu pdu;
    bool read = false;
};

class MessageStore {
  public:
    // The slot the message went into; nullopt when the store is full.
    std::optional<int> Store(DeliverPdu pdu);
    // The message in a slot; nullptr for an empty one.
    const StoredMessage* Find(int index) const;
    void MarkRead(int index);
    void Delete(int index) { slots_.erase(index); }
    int Used() const { return static_cast<int>(slots_.size()); }
    const std::map<int, StoredMessage>& Slots() const { return slots_; }

  private:
    std::map<int, StoredMessage> slots_;
};

}  // namespace shortmsg::modemsim
