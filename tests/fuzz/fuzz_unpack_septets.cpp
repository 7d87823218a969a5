// Septet unpacking over any text and any count: the first two bytes are the septet count
// (signed, so that zero and negative counts are tried too), the rest is the packed text.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "pdu/alphabet.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace shortmsg;
    if (size < 2) return 0;
    const int septets = static_cast<std::int16_t>(data[0] | (data[1] << 8));
    const std::string_view hex(reinterpret_cast<const char*>(data) + 2, size - 2);
    const std::string gsm = UnpackSeptets(hex, septets);

    // Never more than asked for, nor more than the octets hold (seven carry eight).
    const std::size_t octets = (hex.size() + 1) / 2;
    if (gsm.size() > static_cast<std::size_t>(septets < 0 ? 0 : septets)) __builtin_trap();
    if (gsm.size() > octets / 7 * 8 + octets % 7) __builtin_trap();
    for (const char c : gsm) {
        if (static_cast<unsigned char>(c) > 127) __builtin_trap();
    }
    // Packing the septets again and unpacking them gives them back.
    const int count = static_cast<int>(gsm.size());
    if (UnpackSeptets(PackSeptets(gsm), count) != gsm) __builtin_trap();
    return 0;
}
