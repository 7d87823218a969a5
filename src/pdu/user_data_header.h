#pragma once
// The user-data header in front of a message's text (TP-UDHI set): its length octet
// (UDHL) and information elements, of which the terminal reads the concatenation ones.
#include <cstddef>
#include <cstdint>
#include <optional>

#include "pdu/concatenation.h"

namespace shortmsg {

// Septets the header takes in GSM 7-bit user data, fill bits included: the UDHL octet and
// `udhl` octets, rounded up to whole septets.
std::size_t HeaderSeptets(std::size_t udhl);

// The concatenation element among the `udhl` octets of information elements at
// `elements`: IE 00 (8-bit reference, total, part) or 08 (16-bit reference, total, part),
// the last one when there are several. Nothing when there is none, when an element runs
// past the header (the whole header is then ignored), or when total is 0 or the part is 0
// or beyond the total.
std::optional<Concatenation> ReadConcatenation(const std::uint8_t* elements, std::size_t udhl);

}  // namespace shortmsg
