#pragma once
// The SIM phone book as the modem reports it: the storage counts ("+CPBS:"), the index range
// ("+CPBR:(1-250)") and the entries, by SIM index.
#include <array>
#include <string>

namespace shortmsg {

inline constexpr int kPhoneBookSlots = 161;  // SIM entry indexes 0 to 160

struct PhoneBookTables {
    std::array<std::string, kPhoneBookSlots> PhoneBookNames{};  // with their quotes
    std::array<std::string, kPhoneBookSlots> PhoneBookNumbers{};
    int PhoneBookUsed = 0;
    int PhoneBookTotal = 0;
    std::string PhoneBookFirstIndex;
    std::string PhoneBookLastIndex;
};

}  // namespace shortmsg
