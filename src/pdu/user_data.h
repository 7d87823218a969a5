#pragma once
// The text of a message's user data, by its coding and user-data header.
#include <cstddef>
#include <cstdint>

#include "pdu/decoder.h"

namespace shortmsg {

// The user data as the PDU has it: TP-UDL, the octets behind it and how many of them are
// present (for GSM 7-bit a final half octet counts; it reads as its high half).
struct UserData {
    unsigned length = 0;  // septets for GSM 7-bit, octets otherwise
    const std::uint8_t* octets = nullptr;
    std::size_t present = 0;      // octets present, a final half octet included
    std::size_t wholeOctets = 0;  // octets present without a final half octet
};

// Sets `coding`, `gsmText`, `text` and `concat` of `out` from the user data, the TP-DCS
// octet and the TP-UDHI bit. Reads no octet beyond `present`.
void DecodeUserData(const UserData& data, unsigned dcs, bool headerIndicator, DecodedPDU& out);

}  // namespace shortmsg
