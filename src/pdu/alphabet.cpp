#include "pdu/alphabet.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#include "pdu/hex.h"
#include "pdu/septets.h"
#include "pdu/utf8.h"

namespace shortmsg {
namespace {

constexpr unsigned char kEsc = 27;

enum class Row { Both, Extension };

struct CharacterRow {
    char32_t text;      // the character (a Unicode code point)
    unsigned char gsm;  // GSM code, or the code after ESC for an extension row
    Row kind;
};

// The terminal's character table, used in both directions. It differs from the standard
// default alphabet on purpose: ú (250) sits at 6 and Ê (202) at 31, and ù, É and the grave
// accent have no row.
constexpr CharacterRow kCharacterTable[] = {
    {64, 0, Row::Both},        {163, 1, Row::Both},
    {36, 2, Row::Both},        {165, 3, Row::Both},
    {232, 4, Row::Both},       {233, 5, Row::Both},
    {250, 6, Row::Both},       {236, 7, Row::Both},
    {242, 8, Row::Both},       {199, 9, Row::Both},
    {216, 11, Row::Both},      {248, 12, Row::Both},
    {197, 14, Row::Both},      {229, 15, Row::Both},
    {0x394, 16, Row::Both},    {95, 17, Row::Both},
    {0x3A6, 18, Row::Both},    {0x393, 19, Row::Both},
    {0x39B, 20, Row::Both},    {0x3A9, 21, Row::Both},
    {0x3A0, 22, Row::Both},    {0x3A8, 23, Row::Both},
    {0x3A3, 24, Row::Both},    {0x398, 25, Row::Both},
    {0x39E, 26, Row::Both},    {198, 28, Row::Both},
    {230, 29, Row::Both},      {223, 30, Row::Both},
    {202, 31, Row::Both},      {164, 36, Row::Both},
    {161, 64, Row::Both},      {196, 91, Row::Both},
    {214, 92, Row::Both},      {209, 93, Row::Both},
    {220, 94, Row::Both},      {167, 95, Row::Both},
    {191, 96, Row::Both},      {228, 123, Row::Both},
    {246, 124, Row::Both},     {241, 125, Row::Both},
    {252, 126, Row::Both},     {224, 127, Row::Both},
    {12, 10, Row::Extension},  {94, 20, Row::Extension},
    {123, 40, Row::Extension}, {125, 41, Row::Extension},
    {92, 47, Row::Extension},  {91, 60, Row::Extension},
    {126, 61, Row::Extension}, {93, 62, Row::Extension},
    {124, 64, Row::Extension}, {0x20AC, 101, Row::Extension},
};

// Sending: a GSM code, with kEscFlag set for an extension pair and kNotCarried set when
// the character has no row and is not one of the plain characters the default alphabet
// holds at their own code (CR, LF, the printable ASCII characters other than $ @ and `).
constexpr std::uint16_t kEscFlag = 0x100;
constexpr std::uint16_t kNotCarried = 0x200;
constexpr std::uint16_t kQuestionMark = '?' | kNotCarried;

constexpr bool CarriedAsItself(int c) {
    return c == '\n' || c == '\r' || (c >= 32 && c <= 35) || (c >= 37 && c <= 63) ||
           (c >= 65 && c <= 90) || (c >= 97 && c <= 122);
}

constexpr std::uint16_t SendingCode(const CharacterRow& row) {
    return row.kind == Row::Extension ? kEscFlag | row.gsm : row.gsm;
}

// Code points 0-255 -> sending code; characters without a row pass as their own code.
constexpr std::array<std::uint16_t, 256> kTextToGsm = [] {
    std::array<std::uint16_t, 256> t{};
    for (int c = 0; c < 256; ++c) {
        t[c] = static_cast<std::uint16_t>(CarriedAsItself(c) ? c : c | kNotCarried);
    }
    for (const auto& row : kCharacterTable) {
        if (row.text < 256) t[row.text] = SendingCode(row);
    }
    return t;
}();

// The rows of characters above U+00FF (the euro sign, the Greek capitals), apart.
constexpr std::size_t kWideRowCount = [] {
    std::size_t n = 0;
    for (const auto& row : kCharacterTable) n += row.text > 0xFF;
    return n;
}();
constexpr std::array<CharacterRow, kWideRowCount> kWideRows = [] {
    std::array<CharacterRow, kWideRowCount> rows{};
    std::size_t n = 0;
    for (const auto& row : kCharacterTable) {
        if (row.text > 0xFF) rows[n++] = row;
    }
    return rows;
}();

// A character above U+00FF: its row, or "?" (as the 8-bit text used to give it).
std::uint16_t WideToGsm(char32_t code) {
    for (const auto& row : kWideRows) {
        if (row.text == code) return SendingCode(row);
    }
    return kQuestionMark;
}

// Receiving: a character's UTF-8 bytes (written four at a time) and their count.
struct Glyph {
    char bytes[4];
    std::uint8_t length;
};

constexpr Glyph GlyphOf(char32_t code) {
    const auto b = [](char32_t bits) { return static_cast<char>(bits); };
    if (code < 0x80) return {{b(code), 0, 0, 0}, 1};
    if (code < 0x800) return {{b(0xC0 | (code >> 6)), b(0x80 | (code & 0x3F)), 0, 0}, 2};
    return {{b(0xE0 | (code >> 12)), b(0x80 | ((code >> 6) & 0x3F)), b(0x80 | (code & 0x3F)), 0},
            3};
}

// A single GSM code (or, for `kind` Extension, the code after ESC) -> its character.
// Codes without a row stand for themselves.
constexpr std::array<Glyph, 256> ReceivingTable(Row kind) {
    std::array<Glyph, 256> t{};
    for (int c = 0; c < 256; ++c) t[c] = GlyphOf(static_cast<char32_t>(c));
    for (const auto& row : kCharacterTable) {
        if (row.kind == kind) t[row.gsm] = GlyphOf(row.text);
    }
    return t;
}
constexpr std::array<Glyph, 256> kGsmToText = ReceivingTable(Row::Both);
constexpr std::array<Glyph, 256> kEscToText = ReceivingTable(Row::Extension);

unsigned char Code(char c) {
    return static_cast<unsigned char>(c);
}

// Eight septets out of the seven octets at `src`, least significant bit first.
void UnpackGroup(const std::uint8_t* src, char* dst) {
    if constexpr (hex::kSwar) {
        std::uint32_t low, high;  // octets 0-3 and 3-6, read straight into registers
        std::memcpy(&low, src, 4);
        std::memcpy(&high, src + 3, 4);
        const std::uint64_t bits = low | (std::uint64_t{high} << 24);
        const std::uint64_t septets =
            (bits & 0x7F) | ((bits << 1) & 0x7F00) | ((bits << 2) & 0x7F0000) |
            ((bits << 3) & 0x7F000000) | ((bits << 4) & 0x7F00000000) |
            ((bits << 5) & 0x7F0000000000) | ((bits << 6) & 0x7F000000000000) |
            ((bits << 7) & 0x7F00000000000000);
        std::memcpy(dst, &septets, 8);
    } else {
        std::uint64_t bits = 0;
        for (int k = 0; k < 7; ++k) bits |= std::uint64_t{src[k]} << (8 * k);
        for (int k = 0; k < 8; ++k) dst[k] = static_cast<char>((bits >> (7 * k)) & 0x7F);
    }
}

std::uint16_t SendingCodeOf(const Utf8Char& c) {
    return c.code < 256 && c.valid ? kTextToGsm[c.code] : WideToGsm(c.code);
}

// Converts the text; with `kStopWhenNotCarried`, stops at the first character the table
// does not carry exactly. Returns false when there was such a character.
template <bool kStopWhenNotCarried>
bool Convert(std::string_view text, std::string& out) {
    const std::size_t base = out.size();
    out.resize(base + 2 * text.size());  // at most two septets (an ESC pair) per byte
    char* dst = out.data() + base;
    unsigned flags = 0;
    const auto put = [&dst, &flags](std::uint16_t g) {
        flags |= g;
        if (g & kEscFlag) *dst++ = static_cast<char>(kEsc);
        *dst++ = static_cast<char>(g & 0xFF);
    };
    std::size_t i = 0;
    while (i < text.size()) {
        // Eight ASCII characters at a time while none of them needs an escape.
        if (i + 8 <= text.size() && !(hex::swar::Load8(text.data() + i) & hex::swar::kHigh)) {
            std::uint16_t g[8];
            unsigned group = 0;
            for (int k = 0; k < 8; ++k) {
                g[k] = kTextToGsm[Code(text[i + k])];
                group |= g[k];
            }
            if (group & kEscFlag) {
                for (const std::uint16_t one : g) put(one);
            } else {
                for (int k = 0; k < 8; ++k) dst[k] = static_cast<char>(g[k]);
                dst += 8;
                flags |= group;
            }
            i += 8;
        } else if (Code(text[i]) < 0x80) {
            put(kTextToGsm[Code(text[i++])]);
        } else {
            const Utf8Char c = ReadUtf8Char(text, i);
            put(SendingCodeOf(c));
            i += c.length;
        }
        if (kStopWhenNotCarried && (flags & kNotCarried)) break;
    }
    out.resize(static_cast<std::size_t>(dst - out.data()));
    return !(flags & kNotCarried);
}

}  // namespace

bool ConvertCarriedTextToGSMInto(std::string_view text, std::string& out) {
    return Convert<true>(text, out);
}

void ConvertTextToGSMInto(std::string_view text, std::string& out) {
    Convert<false>(text, out);
}

std::string ConvertTextToGSM(std::string_view text) {
    std::string out;
    ConvertTextToGSMInto(text, out);
    return out;
}

void ConvertGSMToTextInto(std::string_view gsm, std::string& out) {
    const std::size_t base = out.size();
    out.resize(base + 3 * gsm.size() + 1);  // room for one four-byte write past the last
    char* dst = out.data() + base;
    for (std::size_t i = 0; i < gsm.size(); ++i) {
        const unsigned char g = Code(gsm[i]);
        const Glyph* glyph = &kGsmToText[g];
        if (g == kEsc) {
            if (i + 1 == gsm.size()) break;  // an ESC with nothing after it is dropped
            glyph = &kEscToText[Code(gsm[++i])];
        }
        std::memcpy(dst, glyph->bytes, 4);
        dst += glyph->length;
    }
    out.resize(static_cast<std::size_t>(dst - out.data()));
}

std::string ConvertGSMToText(std::string_view gsm) {
    std::string out;
    ConvertGSMToTextInto(gsm, out);
    return out;
}

// Seven octets of `bits` as fourteen hex digits at `dst`.
void PutGroup(std::uint64_t bits, char* dst) {
    if constexpr (hex::kSwar) {
        std::uint64_t first, second;
        hex::swar::Digits16(bits, first, second);
        std::memcpy(dst, &first, 8);
        std::memcpy(dst + 8, &second, 6);
    } else {
        for (int k = 0; k < 7; ++k) hex::PutOctet(dst + 2 * k, (bits >> (8 * k)) & 0xFF);
    }
}

void PackSeptetsInto(std::string_view gsm, std::string& out) {
    const std::size_t n = gsm.size();
    const std::size_t octets = n - n / 8;
    const std::size_t base = out.size();
    out.resize(base + 2 * octets);
    char* dst = out.data() + base;
    std::size_t i = 0;
    // Eight septets fill seven octets exactly, least significant bit first.
    for (; i + 8 <= n; i += 8, dst += 14) {
        std::uint64_t bits = 0;
        for (int k = 0; k < 8; ++k) bits |= std::uint64_t{Code(gsm[i + k]) & 0x7Fu} << (7 * k);
        PutGroup(bits, dst);
    }
    // A last, incomplete group of r septets takes r octets.
    const std::size_t rest = n - i;
    std::uint64_t bits = 0;
    for (std::size_t k = 0; k < rest; ++k)
        bits |= std::uint64_t{Code(gsm[i + k]) & 0x7Fu} << (7 * k);
    for (std::size_t k = 0; k < rest; ++k, dst += 2) hex::PutOctet(dst, (bits >> (8 * k)) & 0xFF);
}

std::string PackSeptets(std::string_view gsm) {
    std::string out;
    PackSeptetsInto(gsm, out);
    return out;
}

void UnpackOctetsInto(const std::uint8_t* octets, std::size_t count, int septets,
                      std::string& out) {
    if (septets <= 0 || count == 0) return;
    const std::size_t available = count / 7 * 8 + count % 7;
    const std::size_t wanted = std::min(available, static_cast<std::size_t>(septets));
    const std::size_t base = out.size();
    out.resize(base + wanted);
    char* dst = out.data() + base;
    std::size_t produced = 0;
    for (; produced + 8 <= wanted; produced += 8, octets += 7) UnpackGroup(octets, dst + produced);
    if (produced < wanted) {  // the last group: fewer than seven octets, or fewer septets wanted
        std::uint8_t group[7] = {};
        std::memcpy(group, octets, std::min<std::size_t>(7, count - produced / 8 * 7));
        char septetsOut[8];
        UnpackGroup(group, septetsOut);
        std::memcpy(dst + produced, septetsOut, wanted - produced);
    }
}

void UnpackSeptetsInto(std::string_view hex, int septets, std::string& out) {
    // Through a small buffer of whole groups; characters that are not hex count as 0.
    constexpr std::size_t kChunk = 7 * 20;
    std::uint8_t octets[kChunk];
    while (septets > 0 && !hex.empty()) {
        const std::size_t count = std::min(kChunk, (hex.size() + 1) / 2);
        const std::string_view chunk = hex.substr(0, 2 * count);
        if (!hex::DecodeOctets(chunk, octets)) {
            for (std::size_t i = 0; i < count; ++i) {
                const unsigned high = hex::NibbleOrZero(chunk[2 * i]);
                const unsigned low =
                    2 * i + 1 < chunk.size() ? hex::NibbleOrZero(chunk[2 * i + 1]) : 0;
                octets[i] = static_cast<std::uint8_t>((high << 4) | low);
            }
        }
        const std::size_t before = out.size();
        UnpackOctetsInto(octets, count, septets, out);
        septets -= static_cast<int>(out.size() - before);
        hex.remove_prefix(chunk.size());
    }
}

std::string UnpackSeptets(std::string_view hex, int septets) {
    std::string out;
    UnpackSeptetsInto(hex, septets, out);
    return out;
}

}  // namespace shortmsg
