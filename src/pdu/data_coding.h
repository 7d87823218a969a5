#pragma once
// The alphabet of a message's user data, from its TP-DCS octet (the coding groups of
// 3GPP TS 23.038).
namespace shortmsg {

enum class MessageCoding { Gsm7, Ucs2, EightBit, Unsupported };

// General data coding (with or without automatic deletion): the alphabet bits, a
// compressed text or the reserved alphabet being Unsupported; message waiting groups: GSM
// 7-bit, UCS2 for "store message, UCS2"; the data coding / message class group: GSM 7-bit
// or 8-bit data; the reserved groups 1000-1011: Unsupported.
MessageCoding CodingOfDcs(unsigned dcs);

}  // namespace shortmsg
