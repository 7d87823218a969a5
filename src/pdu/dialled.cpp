#include "pdu/dialled.h"

#include <algorithm>

#include "pdu/hex.h"

namespace shortmsg {

void ConvertDialedDigitsInto(std::string_view dialled, std::string& out) {
    for (const char c : dialled) {
        if (c == '*') {
            out.push_back('A');
        } else if (c == '#') {
            out.push_back('B');
        } else if (c != '+') {
            out.push_back(c);
        }
    }
}

std::string ConvertDialedDigits(std::string_view dialled) {
    std::string out;
    ConvertDialedDigitsInto(dialled, out);
    return out;
}

void ToSemiOctetsInto(std::string_view digits, std::string& out) {
    const std::size_t n = digits.size();
    const std::size_t base = out.size();
    out.resize(base + n + n % 2);
    char* dst = out.data() + base;
    std::size_t i = 0;
    for (; i + 2 <= n; i += 2, dst += 2) {
        dst[0] = digits[i + 1];
        dst[1] = digits[i];
    }
    if (i < n) {  // odd count: the fill semi-octet goes in the high half of the last octet
        dst[0] = 'F';
        dst[1] = digits[i];
    }
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
