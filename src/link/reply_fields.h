#pragma once
// Cutting modem replies into fields, and reading whole numbers out of them.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace shortmsg {

// Cuts `count` comma-separated fields out of `line` from `start` (1-based, just after the
// keyword): field 1 runs from `start` up to the first comma, each further field but the last
// lies between two commas, the last runs to the end of the line. Fields are cut by position
// only: the blank after a colon, quotes and a stray CR stay in them. A reply cut short gives
// its present fields as they are (the one without a closing comma runs to the end of the
// line) and the missing ones empty; the result always holds `count` fields.
std::vector<std::string> CutFields(std::string_view line, long start, int count);

// The value of a field that the terminal keeps as a 16-bit Integer (counts, indexes, status
// codes): a whole number from -32768 to 32767, with blanks, CR and LF around it ignored;
// nullopt for anything else.
std::optional<int> IntegerValue(std::string_view text);
// The same, with 0 for a text that is not such a number.
int IntegerValueOr0(std::string_view text);

}  // namespace shortmsg
