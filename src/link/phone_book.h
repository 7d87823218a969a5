#pragma once
// The SIM phone book as the modem reports it: the storage counts ("+CPBS:"), the index range
// ("+CPBR:(1-250)") and the entries, by SIM index, and the reading of them.
//
// A reading starts at each range reply: the tables are emptied and the entries in use are
// asked for from the first index (one command for as many consecutive entries as are in
// use, as most SIMs store them). When that answer brings fewer entries than are in use (the
// SIM keeps them with gaps), the rest of the range is read in chunks until all are found.
// The tables hold SIM indexes 0 to 160, each once, and never more entries than the SIM has
// slots, whatever the modem sends.
#include <array>
#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace shortmsg {

inline constexpr int kPhoneBookSlots = 161;  // SIM entry indexes 0 to 160
inline constexpr int kPhoneBookChunk = 20;   // indexes asked for in one read of the rest

struct PhoneBookTables {
    std::array<std::string, kPhoneBookSlots> PhoneBookNames{};  // with their quotes
    std::array<std::string, kPhoneBookSlots> PhoneBookNumbers{};
    int PhoneBookUsed = 0;
    int PhoneBookTotal = 0;
    std::string PhoneBookFirstIndex;
    std::string PhoneBookLastIndex;
};

class PhoneBookReader {
  public:
    const PhoneBookTables& Tables() const { return tables_; }
    // "+CPBS:": the entries in use and the capacity.
    void Storage(int used, int total);
    // "+CPBR:(first-last)": a new reading. The read command for the entries in use from the
    // first index; nothing when none is in use or the range is no range of indexes.
    std::optional<std::string> Begin(std::string firstIndex, std::string lastIndex);
    // One entry line; true when the entry is new to the list (not when its index was read
    // already in this reading, or the list is full).
    bool Entry(int index, std::string number, std::string name);
    // The answer to a read command ended: the next read, while entries are missing.
    std::optional<std::string> ReadAnswered();

  private:
    PhoneBookTables tables_;
    std::set<int> read_;  // the indexes of this reading's entries
    int next_ = 0;        // the next index to ask for, while reading
    int last_ = -1;
};

}  // namespace shortmsg
