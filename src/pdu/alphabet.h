#pragma once
// Text (UTF-8) to and from the GSM 7-bit default alphabet, and septet packing.
// A "GSM code string" holds one char per septet (values 0-127); an extension character is
// the pair ESC (27) + its code, so the string's length is the septet count.
#include <string>
#include <string_view>

namespace shortmsg {

// The terminal's character table, operator text (UTF-8) -> GSM codes. A character from
// U+0000 to U+00FF without a row passes through as its own code (the packer then keeps only
// its low seven bits); any other character without a row, and a byte that is not UTF-8,
// becomes "?".
std::string ConvertTextToGSM(std::string_view text);
// Appends the GSM codes of `text` to `out` (no allocation when `out` has the capacity).
void ConvertTextToGSMInto(std::string_view text, std::string& out);
// The same, and true when the table carries the text exactly: every character is CR, LF,
// has a row in the table, or is a printable ASCII character the default alphabet holds at
// its own code (32-35, 37-63, 65-90, 97-122). Stops at the first character it does not.
bool ConvertCarriedTextToGSMInto(std::string_view text, std::string& out);
// GSM codes -> operator text (UTF-8). ESC + a code without an extension row gives that code
// alone; an ESC with nothing after it is dropped; a code without a row (only a GSM code
// string that did not come from unpacking has codes above 127) stands for the character
// of that number.
std::string ConvertGSMToText(std::string_view gsm);
// Appends the text of `gsm` to `out`.
void ConvertGSMToTextInto(std::string_view gsm, std::string& out);

// Packs septets into upper-case hex text: N septets give N - N/8 octets.
std::string PackSeptets(std::string_view gsm);
// Appends the packed hex text to `out` (for hot paths that reuse one string).
void PackSeptetsInto(std::string_view gsm, std::string& out);

// Unpacks hex text into at most `septets` GSM codes (fewer when the text ends first).
// An odd final digit is the high digit of an octet whose low digit is 0. The caller
// guarantees hex digits (either case); any other character counts as 0.
std::string UnpackSeptets(std::string_view hex, int septets);
// Appends the unpacked GSM codes to `out`.
void UnpackSeptetsInto(std::string_view hex, int septets, std::string& out);

}  // namespace shortmsg
