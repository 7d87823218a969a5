#include "message_store.h"

namespace shortmsg::modemsim {

std::optional<int> MessageStore::Store(DeliverPdu pdu) {
    for (int index = 1; index <= kStoreCapacity; ++index) {
        if (slots_.count(index) == 0) {
            slots_[index] = StoredMessage{std::move(pdu), false};
            return index;
        }
    }
    return std::nullopt;
}

const StoredMessage* MessageStore::Find(int index) const {
    const auto found = slots_.find(index);
    return found == slots_.end() ? nullptr : &found->second;
}

void MessageStore::MarkRead(int index) {
    const auto found = slots_.find(index);
    if (found != slots_.end()) found->second.read = true;
}

}  // namespace shortmsg::modemsim
