#pragma once
// Hexadecimal text helpers shared by the encoder and the decoder: lookup tables only.
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace shortmsg::hex {

inline constexpr std::uint8_t kInvalid = 0xFF;

// Character -> nibble value (either case), kInvalid for anything else.
inline constexpr std::array<std::uint8_t, 256> kNibble = [] {
    std::array<std::uint8_t, 256> t{};
    for (auto& v : t) v = kInvalid;
    for (int c = '0'; c <= '9'; ++c) t[c] = static_cast<std::uint8_t>(c - '0');
    for (int c = 'A'; c <= 'F'; ++c) t[c] = static_cast<std::uint8_t>(c - 'A' + 10);
    for (int c = 'a'; c <= 'f'; ++c) t[c] = static_cast<std::uint8_t>(c - 'a' + 10);
    return t;
}();

// Octet -> its two upper-case hex digits.
inline constexpr std::array<char, 512> kDigits = [] {
    std::array<char, 512> t{};
    constexpr char d[] = "0123456789ABCDEF";
    for (int i = 0; i < 256; ++i) {
        t[2 * i] = d[i >> 4];
        t[2 * i + 1] = d[i & 15];
    }
    return t;
}();

inline bool IsHexDigit(char c) {
    return kNibble[static_cast<unsigned char>(c)] != kInvalid;
}

// Value of a nibble; non-hex characters count as 0.
inline unsigned NibbleOrZero(char c) {
    const unsigned v = kNibble[static_cast<unsigned char>(c)];
    return v == kInvalid ? 0 : v;
}

// Eight characters at a time, as the bytes of one 64-bit word (little-endian machines).
namespace swar {
inline constexpr std::uint64_t kOnes = 0x0101010101010101u;
inline constexpr std::uint64_t kHigh = 0x8080808080808080u;

inline std::uint64_t Load8(const char* src) {
    std::uint64_t word;
    std::memcpy(&word, src, 8);
    return word;
}

// True when all eight bytes are hex digits of either case.
inline bool AllHex8(std::uint64_t x) {
    if (x & kHigh) return false;
    // For bytes below 128: the high bit of x + (128 - lo) is set when the byte is >= lo,
    // that of x + (127 - hi) when it is > hi; no carry crosses a byte.
    const auto atLeast = [](std::uint64_t v, unsigned lo) { return v + kOnes * (128 - lo); };
    const auto above = [](std::uint64_t v, unsigned hi) { return v + kOnes * (127 - hi); };
    const std::uint64_t digit = atLeast(x, '0') & ~above(x, '9');
    const std::uint64_t lower = x | kOnes * 0x20;
    const std::uint64_t letter = atLeast(lower, 'a') & ~above(lower, 'f');
    return ((digit | letter) & kHigh) == kHigh;
}

// Eight hex digits (already checked) -> four octets, first digit pair first.
inline std::uint32_t Octets4(std::uint64_t x) {
    const std::uint64_t nibbles = (x & kOnes * 0x0F) + ((x & kOnes * 0x40) >> 6) * 9;
    constexpr std::uint64_t kLowBytes = 0x00FF00FF00FF00FFu;
    std::uint64_t pairs = ((nibbles & kLowBytes) << 4) | ((nibbles >> 8) & kLowBytes);
    pairs = (pairs | (pairs >> 8)) & 0x0000FFFF0000FFFFu;
    pairs = (pairs | (pairs >> 16)) & 0xFFFFFFFFu;
    return static_cast<std::uint32_t>(pairs);
}

// Eight octets (the first in the low byte) -> sixteen upper-case hex digits, as two words
// in memory order.
inline void Digits16(std::uint64_t octets, std::uint64_t& first, std::uint64_t& second) {
    const auto spread = [](std::uint64_t four) {  // four octets -> one per 16-bit lane
        four = (four | (four << 16)) & 0x0000FFFF0000FFFFu;
        four = (four | (four << 8)) & 0x00FF00FF00FF00FFu;
        // High nibble first in memory, then the low nibble.
        const std::uint64_t nibbles =
            ((four >> 4) & 0x000F000F000F000Fu) | ((four & 0x000F000F000F000Fu) << 8);
        const std::uint64_t letters = ((nibbles + kOnes * 6) >> 4) & kOnes;  // nibble > 9
        return nibbles + kOnes * '0' + letters * 7;
    };
    first = spread(octets & 0xFFFFFFFFu);
    second = spread(octets >> 32);
}
}  // namespace swar

inline constexpr bool kSwar = std::endian::native == std::endian::little;

// True when every character is a hex digit of either case.
inline bool AllHex(std::string_view text) {
    std::size_t i = 0;
    if constexpr (kSwar) {
        for (; i + 8 <= text.size(); i += 8) {
            if (!swar::AllHex8(swar::Load8(text.data() + i))) return false;
        }
    }
    bool bad = false;
    for (; i < text.size(); ++i) bad |= kNibble[static_cast<unsigned char>(text[i])] == kInvalid;
    return !bad;
}

// Hex text -> octets at `dst` ((size + 1) / 2 of them; an odd last digit is the high half
// of its octet). Returns false, with `dst` partly written, when a character is not hex.
inline bool DecodeOctets(std::string_view text, std::uint8_t* dst) {
    const std::size_t pairs = text.size() / 2;
    std::size_t i = 0;
    if constexpr (kSwar) {
        for (; i + 4 <= pairs; i += 4) {
            const std::uint64_t word = swar::Load8(text.data() + 2 * i);
            if (!swar::AllHex8(word)) return false;
            const std::uint32_t four = swar::Octets4(word);
            std::memcpy(dst + i, &four, 4);
        }
    }
    unsigned bad = 0;
    for (; i < pairs; ++i) {
        const unsigned high = kNibble[static_cast<unsigned char>(text[2 * i])];
        const unsigned low = kNibble[static_cast<unsigned char>(text[2 * i + 1])];
        bad |= high | low;
        dst[i] = static_cast<std::uint8_t>((high << 4) | (low & 15));
    }
    if (text.size() % 2) {
        const unsigned high = kNibble[static_cast<unsigned char>(text.back())];
        bad |= high;
        dst[pairs] = static_cast<std::uint8_t>(high << 4);
    }
    return bad < 16;
}

// The octet written by the two characters at `pos` (caller checks bounds and digits).
inline unsigned OctetAt(std::string_view text, std::size_t pos) {
    return (NibbleOrZero(text[pos]) << 4) | NibbleOrZero(text[pos + 1]);
}

// Writes an octet as two upper-case digits at `dst`.
inline void PutOctet(char* dst, unsigned octet) {
    dst[0] = kDigits[2 * (octet & 0xFF)];
    dst[1] = kDigits[2 * (octet & 0xFF) + 1];
}

inline void AppendOctet(std::string& out, unsigned octet) {
    out.append(&kDigits[2 * (octet & 0xFF)], 2);
}

// A hex letter in upper case; every other character unchanged.
inline char UpperHex(char c) {
    return (c >= 'a' && c <= 'f') ? static_cast<char>(c - 32) : c;
}

}  // namespace shortmsg::hex
