#pragma once
// Dialled numbers to address digits, and the swapped semi-octet form of addresses and
// time stamps.
#include <string>
#include <string_view>

namespace shortmsg {

// "*" -> "A", "#" -> "B", "+" removed, everything else kept as it stands.
std::string ConvertDialedDigits(std::string_view dialled);
// Appends the converted digits to `out`.
void ConvertDialedDigitsInto(std::string_view dialled, std::string& out);
// "12345" -> "2143F5": pairs swapped, an odd count completed with the fill "F".
std::string ToSemiOctets(std::string_view digits);
// Appends the semi-octet text to `out`.
void ToSemiOctetsInto(std::string_view digits, std::string& out);
// Writes the semi-octet text at `dst`, which has room for it (the digit count rounded up
// to even); returns the end of what was written.
char* WriteSemiOctets(char* dst, std::string_view digits);
// The inverse for `digitCount` digits; a trailing fill "F" is dropped. Reads no further
// than the text goes. Hex letters come out in upper case ("a" -> "A").
std::string FromSemiOctets(std::string_view semiOctets, int digitCount);
// Appends the digits to `out`.
void FromSemiOctetsInto(std::string_view semiOctets, int digitCount, std::string& out);

}  // namespace shortmsg
