// The SIM phone book: "+CPBS:" gives the entries in use, "+CPBR:(" the index range (and
// queues one read of the entries in use), every other "+CPBR:" line one entry.
#include <string>

#include "link/reply_parsers.h"
#include "link/text.h"
#include "ui/sms.h"

namespace shortmsg {

// "+CPBS: \"SM\",3,250".
void SMS::CpbsReply(const std::string& line) {
    MatchPos = InStr(1, line, "SM");
    const PhoneBookStorage storage = ParseCpbsStorage(line);
    PhoneBookUsed = storage.used;
    PhoneBookTotal = storage.total;
}

// "+CPBR:(1-250)" (or "+CPBR: (1-250),40,18") or "+CPBR: 2,\"1234\",129,\"Bob\"". The range reply
// reads as many consecutive entries as are in use from the first index; an entry whose index does
// not fit the tables (0 to 160), or is not a whole number, is ignored.
void SMS::CpbrReply(const std::string& line) {
    if (const long range = CpbrRangeOpen(line); range > 0) {
        PhoneBookRange fields = ParseCpbrRange(line, range);
        PhoneBookFirstIndex = std::move(fields.firstIndex);
        PhoneBookLastIndex = std::move(fields.lastIndex);
        if (const auto read = PhoneBookReadCommand(PhoneBookFirstIndex, PhoneBookUsed)) {
            QueueCommand(*read);
        }
        return;
    }
    const auto entry = ParseCpbrEntry(line, MatchPos);
    if (!entry) return;
    const auto slot = static_cast<size_t>(entry->index);
    PhoneBookNumbers[slot] = entry->number;
    PhoneBookNames[slot] = entry->name;
    PhoneBook.AddItem(entry->name);
}

}  // namespace shortmsg
