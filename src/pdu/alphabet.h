#pragma once
// Text (8-bit, ISO 8859-1) to and from the GSM 7-bit default alphabet, and septet packing.
// A "GSM code string" holds one char per septet (values 0-127); an extension character is
// the pair ESC (27) + its code, so the string's length is the septet count.
#include <string>
#include <string_view>

namespace shortmsg {

// The terminal's character table, operator text -> GSM codes. Characters without a row
// pass through unchanged (the packer then keeps only their low seven bits).
std::string ConvertTextToGSM(std::string_view text);
// Appends the GSM codes of `text` to `out` (no allocation when `out` has the capacity).
void ConvertTextToGSMInto(std::string_view text, std::string& out);
// GSM codes -> operator text. GSM 36 and ESC 101 both become 164; ESC + an unknown code
// gives that code alone; an ESC with nothing after it is dropped.
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
