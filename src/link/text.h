#pragma once
// Text positions as the modem link counts them: 1-based, 0 for "not found". Every helper
// clamps to the string, so a reply cut short never reads out of bounds.
#include <optional>
#include <string>
#include <string_view>

namespace shortmsg {

// Position of `needle` in `text` at or after `start` (1-based); 0 when absent.
long InStr(long start, std::string_view text, std::string_view needle);
// `length` characters of `text` from `start` (1-based); fewer, or none, past the end.
std::string Mid(std::string_view text, long start, long length);
// The text from `start` (1-based) to the end.
std::string Mid(std::string_view text, long start);

// The text without the blanks, tabs, CR and LF around it (a view into it).
std::string_view TrimBlanks(std::string_view text);
// A whole number, with blanks, tabs, CR and LF around it ignored; nullopt for anything else
// (empty text, other characters, or a value outside the range of `long`).
std::optional<long> WholeNumber(std::string_view text);

// Short burst text goes into an "AT+SBDWT=" command line as it stands: a CR or LF would end
// that line and send the rest to the modem as commands. True for any C0 or C1 control
// character or DEL.
bool HoldsControlCharacter(std::string_view text);

}  // namespace shortmsg
