// The SIM phone book: "+CPBS:" gives the entries in use, "+CPBR:(" the index range (and
// starts a reading), every other "+CPBR:" line one entry.
#include "link/phone_book.h"

#include <algorithm>
#include <string>

#include "link/modem_link.h"
#include "link/reply_fields.h"
#include "link/reply_parsers.h"

namespace shortmsg {

void PhoneBookReader::Storage(int used, int total) {
    tables_.PhoneBookUsed = used;
    tables_.PhoneBookTotal = total;
}

std::optional<std::string> PhoneBookReader::Begin(std::string firstIndex, std::string lastIndex) {
    tables_.PhoneBookNames = {};
    tables_.PhoneBookNumbers = {};
    read_.clear();
    next_ = 0;
    last_ = -1;
    tables_.PhoneBookFirstIndex = std::move(firstIndex);
    tables_.PhoneBookLastIndex = std::move(lastIndex);
    const auto first = IntegerValue(tables_.PhoneBookFirstIndex);
    const int used = tables_.PhoneBookUsed;
    if (used <= 0 || !first || *first < 0 || *first >= kPhoneBookSlots) return std::nullopt;
    const int end = *first + used - 1;
    last_ = std::min(IntegerValue(tables_.PhoneBookLastIndex).value_or(end), kPhoneBookSlots - 1);
    next_ = end + 1;
    return PhoneBookReadCommand(*first, end);
}

bool PhoneBookReader::Entry(int index, std::string number, std::string name) {
    const auto slot = static_cast<size_t>(index);
    const size_t capacity =
        tables_.PhoneBookTotal > 0 ? static_cast<size_t>(tables_.PhoneBookTotal) : kPhoneBookSlots;
    const bool known = read_.count(index) != 0;
    if (!known && read_.size() >= capacity) return false;
    read_.insert(index);
    tables_.PhoneBookNumbers[slot] = std::move(number);
    tables_.PhoneBookNames[slot] = std::move(name);
    return !known;
}

std::optional<std::string> PhoneBookReader::ReadAnswered() {
    if (static_cast<int>(read_.size()) >= tables_.PhoneBookUsed || next_ > last_) {
        next_ = last_ + 1;  // the reading is over
        return std::nullopt;
    }
    const int first = next_;
    const int last = std::min(first + kPhoneBookChunk - 1, last_);
    next_ = last + 1;
    return PhoneBookReadCommand(first, last);
}

// "+CPBS: \"SM\",3,250".
void ModemLink::CpbsReply(const std::string& line) {
    const PhoneBookStorage storage = ParseCpbsStorage(line);
    phoneBook_.Storage(storage.used, storage.total);
}

// "+CPBR:(1-250)" (or "+CPBR: (1-250),40,18") or "+CPBR: 2,\"1234\",129,\"Bob\"". An entry
// whose index does not fit the tables (0 to 160), or is not a whole number, is ignored.
void ModemLink::CpbrReply(const std::string& line) {
    if (const long range = CpbrRangeOpen(line); range > 0) {
        PhoneBookRange fields = ParseCpbrRange(line, range);
        events_.PhoneBookCleared();
        const auto read =
            phoneBook_.Begin(std::move(fields.firstIndex), std::move(fields.lastIndex));
        if (read) QueueCommand(*read);
        return;
    }
    const auto entry = ParseCpbrEntry(line, MatchPos);
    if (!entry) return;
    const std::string name = entry->name;
    if (phoneBook_.Entry(entry->index, entry->number, entry->name)) {
        events_.PhoneBookEntryRead(name);
    }
}

}  // namespace shortmsg
