#pragma once
// The outgoing messages the link has queued and not yet seen to their end: each has a
// number that its queued lines carry, a count of parts, and the parts confirmed so far.
// A message ends once: confirmed (every part), or not sent.
#include <map>

namespace shortmsg {

class Outbox {
  public:
    // A new message of `parts` parts; its number.
    int Open(int parts = 1);
    bool Pending(int message) const { return messages_.count(message) != 0; }
    // How many messages were opened: their numbers run from 1 to this.
    int Opened() const { return next_ - 1; }
    // One part confirmed; true when that was the last one (the message has ended).
    bool PartConfirmed(int message);
    // The message ends unsent; true the first time (it is to be reported once).
    bool Fail(int message);
    // The message ends with no outcome known.
    void Close(int message) { messages_.erase(message); }

  private:
    struct Message {
        int parts = 1;
        int confirmed = 0;
    };
    std::map<int, Message> messages_;
    int next_ = 1;
};

}  // namespace shortmsg
