#pragma once
// Hexadecimal text helpers shared by the encoder and the decoder: lookup tables only.
#include <array>
#include <cstdint>
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

// True when every character is a hex digit of either case.
inline bool AllHex(std::string_view text) {
    bool bad = false;
    for (const char c : text) bad |= kNibble[static_cast<unsigned char>(c)] == kInvalid;
    return !bad;
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
