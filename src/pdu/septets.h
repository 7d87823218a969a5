#pragma once
// Septet unpacking from octets already read out of the hex text (decoder's fast path).
#include <cstddef>
#include <cstdint>
#include <string>

namespace shortmsg {

// Appends the septets carried by `count` octets to `out`, at most `septets` of them: seven
// octets carry eight, an incomplete group of k octets carries k.
void UnpackOctetsInto(const std::uint8_t* octets, std::size_t count, int septets, std::string& out);

}  // namespace shortmsg
