// The SIM phone book: "+CPBS:" gives the entries in use, "+CPBR:(" the index range (and
// queues one read of the entries in use), every other "+CPBR:" line one entry.
#include <string>

#include "link/modem_link.h"
#include "link/reply_parsers.h"
#include "link/text.h"

namespace shortmsg {

// "+CPBS: \"SM\",3,250".
void ModemLink::CpbsReply(const std::string& line) {
    const PhoneBookStorage storage = ParseCpbsStorage(line);
    phoneBook_.PhoneBookUsed = storage.used;
    phoneBook_.PhoneBookTotal = storage.total;
}

// "+CPBR:(1-250)" (or "+CPBR: (1-250),40,18") or "+CPBR: 2,\"1234\",129,\"Bob\"". The range
// reply reads as many consecutive entries as are in use from the first index; an entry whose
// index does not fit the tables (0 to 160), or is not a whole number, is ignored.
void ModemLink::CpbrReply(const std::string& line) {
    if (const long range = CpbrRangeOpen(line); range > 0) {
        PhoneBookRange fields = ParseCpbrRange(line, range);
        phoneBook_.PhoneBookFirstIndex = std::move(fields.firstIndex);
        phoneBook_.PhoneBookLastIndex = std::move(fields.lastIndex);
        if (const auto read =
                PhoneBookReadCommand(phoneBook_.PhoneBookFirstIndex, phoneBook_.PhoneBookUsed)) {
            QueueCommand(*read);
        }
        return;
    }
    const auto entry = ParseCpbrEntry(line, MatchPos);
    if (!entry) return;
    const auto slot = static_cast<size_t>(entry->index);
    phoneBook_.PhoneBookNumbers[slot] = entry->number;
    phoneBook_.PhoneBookNames[slot] = entry->name;
    events_.PhoneBookEntryRead(entry->name);
}

}  // namespace shortmsg
