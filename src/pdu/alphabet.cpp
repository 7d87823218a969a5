#include "pdu/alphabet.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "pdu/hex.h"

namespace shortmsg {
namespace {

constexpr unsigned char kEsc = 27;

enum class Row { Both, Extension, ReceiveOnly };

struct CharacterRow {
    unsigned char text;  // operator text code (ISO 8859-1)
    unsigned char gsm;   // GSM code, or the code after ESC for an extension row
    Row kind;
};

// The terminal's character table, used in both directions. It differs from the standard
// default alphabet on purpose: ú (250) sits at 6 and Ê (202) at 31, the Greek capitals and
// the grave accent have no row, 164 travels as ESC 101 and GSM 36 arrives as 164.
constexpr CharacterRow kCharacterTable[] = {
    {64, 0, Row::Both},        {163, 1, Row::Both},        {36, 2, Row::Both},
    {165, 3, Row::Both},       {232, 4, Row::Both},        {233, 5, Row::Both},
    {250, 6, Row::Both},       {236, 7, Row::Both},        {242, 8, Row::Both},
    {199, 9, Row::Both},       {216, 11, Row::Both},       {248, 12, Row::Both},
    {197, 14, Row::Both},      {229, 15, Row::Both},       {95, 17, Row::Both},
    {198, 28, Row::Both},      {230, 29, Row::Both},       {223, 30, Row::Both},
    {202, 31, Row::Both},      {161, 64, Row::Both},       {196, 91, Row::Both},
    {214, 92, Row::Both},      {209, 93, Row::Both},       {220, 94, Row::Both},
    {167, 95, Row::Both},      {191, 96, Row::Both},       {228, 123, Row::Both},
    {246, 124, Row::Both},     {241, 125, Row::Both},      {252, 126, Row::Both},
    {224, 127, Row::Both},     {12, 10, Row::Extension},   {94, 20, Row::Extension},
    {123, 40, Row::Extension}, {125, 41, Row::Extension},  {92, 47, Row::Extension},
    {91, 60, Row::Extension},  {126, 61, Row::Extension},  {93, 62, Row::Extension},
    {124, 64, Row::Extension}, {164, 101, Row::Extension}, {164, 36, Row::ReceiveOnly},
};

// Lookup tables derived from kCharacterTable at compile time.
// Sending: text code -> GSM code, with kEscFlag set for an extension pair.
constexpr std::uint16_t kEscFlag = 0x100;
constexpr std::array<std::uint16_t, 256> kTextToGsm = [] {
    std::array<std::uint16_t, 256> t{};
    for (int c = 0; c < 256; ++c) t[c] = static_cast<std::uint16_t>(c);
    for (const auto& row : kCharacterTable) {
        if (row.kind == Row::Both) t[row.text] = row.gsm;
        if (row.kind == Row::Extension) t[row.text] = kEscFlag | row.gsm;
    }
    return t;
}();

// Receiving: a single GSM code -> text code.
constexpr std::array<unsigned char, 256> kGsmToText = [] {
    std::array<unsigned char, 256> t{};
    for (int c = 0; c < 256; ++c) t[c] = static_cast<unsigned char>(c);
    for (const auto& row : kCharacterTable) {
        if (row.kind != Row::Extension) t[row.gsm] = row.text;
    }
    return t;
}();

// Receiving: the code after ESC -> text code; codes without an extension row stand alone.
constexpr std::array<unsigned char, 256> kEscToText = [] {
    std::array<unsigned char, 256> t{};
    for (int c = 0; c < 256; ++c) t[c] = static_cast<unsigned char>(c);
    for (const auto& row : kCharacterTable) {
        if (row.kind == Row::Extension) t[row.gsm] = row.text;
    }
    return t;
}();

unsigned char Code(char c) {
    return static_cast<unsigned char>(c);
}

// Reads the `index`-th octet of packed hex text; an odd last digit is a high digit.
unsigned PackedOctet(std::string_view hex, std::size_t index) {
    const std::size_t pos = 2 * index;
    const unsigned high = hex::NibbleOrZero(hex[pos]);
    const unsigned low = pos + 1 < hex.size() ? hex::NibbleOrZero(hex[pos + 1]) : 0;
    return (high << 4) | low;
}

}  // namespace

void ConvertTextToGSMInto(std::string_view text, std::string& out) {
    const std::size_t base = out.size();
    out.resize(base + 2 * text.size());
    char* dst = out.data() + base;
    for (const char c : text) {
        const std::uint16_t g = kTextToGsm[Code(c)];
        if (g & kEscFlag) *dst++ = static_cast<char>(kEsc);
        *dst++ = static_cast<char>(g & 0xFF);
    }
    out.resize(static_cast<std::size_t>(dst - out.data()));
}

std::string ConvertTextToGSM(std::string_view text) {
    std::string out;
    ConvertTextToGSMInto(text, out);
    return out;
}

void ConvertGSMToTextInto(std::string_view gsm, std::string& out) {
    const std::size_t base = out.size();
    out.resize(base + gsm.size());
    char* dst = out.data() + base;
    for (std::size_t i = 0; i < gsm.size(); ++i) {
        const unsigned char g = Code(gsm[i]);
        if (g != kEsc) {
            *dst++ = static_cast<char>(kGsmToText[g]);
        } else if (i + 1 < gsm.size()) {
            *dst++ = static_cast<char>(kEscToText[Code(gsm[++i])]);
        }  // an ESC with nothing after it is dropped
    }
    out.resize(static_cast<std::size_t>(dst - out.data()));
}

std::string ConvertGSMToText(std::string_view gsm) {
    std::string out;
    ConvertGSMToTextInto(gsm, out);
    return out;
}

void PackSeptetsInto(std::string_view gsm, std::string& out) {
    const std::size_t n = gsm.size();
    const std::size_t octets = n - n / 8;
    const std::size_t base = out.size();
    out.resize(base + 2 * octets);
    char* dst = out.data() + base;
    std::size_t i = 0;
    // Eight septets fill seven octets exactly, least significant bit first.
    for (; i + 8 <= n; i += 8) {
        std::uint64_t bits = 0;
        for (int k = 0; k < 8; ++k) bits |= std::uint64_t{Code(gsm[i + k]) & 0x7Fu} << (7 * k);
        for (int k = 0; k < 7; ++k, dst += 2) hex::PutOctet(dst, (bits >> (8 * k)) & 0xFF);
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

void UnpackSeptetsInto(std::string_view hex, int septets, std::string& out) {
    if (septets <= 0 || hex.empty()) return;
    const std::size_t octets = (hex.size() + 1) / 2;
    // Seven octets carry eight septets; an incomplete group of k octets gives k septets.
    const std::size_t available = octets / 7 * 8 + octets % 7;
    const std::size_t count = std::min(available, static_cast<std::size_t>(septets));
    const std::size_t base = out.size();
    out.resize(base + count);
    char* dst = out.data() + base;
    std::size_t produced = 0;
    std::size_t octet = 0;
    // Whole groups of fourteen digits, straight from the text.
    for (; produced + 8 <= count && 2 * (octet + 7) <= hex.size(); octet += 7, produced += 8) {
        const char* src = hex.data() + 2 * octet;
        std::uint64_t bits = 0;
        for (int k = 0; k < 7; ++k) {
            const std::uint64_t v =
                (hex::NibbleOrZero(src[2 * k]) << 4) | hex::NibbleOrZero(src[2 * k + 1]);
            bits |= v << (8 * k);
        }
        for (int k = 0; k < 8; ++k) *dst++ = static_cast<char>((bits >> (7 * k)) & 0x7F);
    }
    // The rest: at most seven octets (the last perhaps a single digit), at most eight septets.
    if (produced < count) {
        const std::size_t want = count - produced;
        std::uint64_t bits = 0;
        for (std::size_t k = 0; k < 7 && octet + k < octets; ++k) {
            bits |= std::uint64_t{PackedOctet(hex, octet + k)} << (8 * k);
        }
        for (std::size_t k = 0; k < want; ++k) *dst++ = static_cast<char>((bits >> (7 * k)) & 0x7F);
    }
}

std::string UnpackSeptets(std::string_view hex, int septets) {
    std::string out;
    UnpackSeptetsInto(hex, septets, out);
    return out;
}

}  // namespace shortmsg
