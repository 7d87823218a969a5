#include "pdu/dialled.h"

#include <algorithm>

#include "pdu/hex.h"

namespace shortmsg {

void ConvertDialedDigitsInto(std::string_view dialled, std::string& out) {
    const std::size_t base = out.size();
    out.resize(base + dialled.size());
    char* dst = out.data() + base;
    for (const char c : dialled) {
        if (c == '*') {
            *dst++ = 'A';
        } else if (c == '#') {
            *dst++ = 'B';
        } else if (c != '+') {
            *dst++ = c;
        }
    }
    out.resize(static_cast<std::size_t>(dst - out.data()));
}

std::string ConvertDialedDigits(std::string_view dialled) {
    std::string out;
    ConvertDialedDigitsInto(dialled, out);
    return out;
}

char* WriteSemiOctets(char* dst, std::string_view digits) {
    std::size_t i = 0;
    for (; i + 2 <= digits.size(); i += 2, dst += 2) {
        dst[0] = digits[i + 1];
        dst[1] = digits[i];
    }
    if (i < digits.size()) {  // odd count: the fill goes in the high half of the last octet
        dst[0] = 'F';
        dst[1] = digits[i];
        dst += 2;
    }
    return dst;
}

void ToSemiOctetsInto(std::string_view digits, std::string& out) {
    const std::size_t base = out.size();
    out.resize(base + digits.size() + digits.size() % 2);
    WriteSemiOctets(out.data() + base, digits);
}

std::string ToSemiOctets(std::string_view digits) {
    std::string out;
    ToSemiOctetsInto(digits, out);
    return out;
}

void FromSemiOctetsInto(std::string_view semiOctets, int digitCount, std::string& out) {
    if (digitCount <= 0) return;
    const std::size_t wanted = static_cast<std::size_t>(digitCount);
    const std::size_t field = std::min(semiOctets.size(), wanted + wanted % 2);
    const std::size_t base = out.size();
    std::size_t i = 0;
    for (; i + 2 <= field; i += 2) {
        out.push_back(hex::UpperHex(semiOctets[i + 1]));
        out.push_back(hex::UpperHex(semiOctets[i]));
    }
    if (i < field) out.push_back(hex::UpperHex(semiOctets[i]));  // the text ended mid-octet
    if (out.size() - base > wanted) out.resize(base + wanted);   // drops the fill "F"
}

std::string FromSemiOctets(std::string_view semiOctets, int digitCount) {
    std::string out;
    FromSemiOctetsInto(semiOctets, digitCount, out);
    return out;
}

}  // namespace shortmsg
