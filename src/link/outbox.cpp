#include "link/outbox.h"

namespace shortmsg {

int Outbox::Open(int parts) {
    const int message = next_++;
    messages_[message] = Message{parts, 0};
    return message;
}

bool Outbox::PartConfirmed(int message) {
    const auto found = messages_.find(message);
    if (found == messages_.end()) return false;
    if (++found->second.confirmed < found->second.parts) return false;
    messages_.erase(found);
    return true;
}

bool Outbox::Fail(int message) {
    return messages_.erase(message) != 0;
}

}  // namespace shortmsg
