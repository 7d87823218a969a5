#pragma once
// Quoted byte strings as scenarios and the replay's output write them.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace shortmsg::replay {

// Output form: bytes 32-126 as they are except \" and \\; CR and LF as \r and \n; every
// other byte as upper-case \xNN. The result is in double quotes.
std::string QuoteBytes(std::string_view bytes);
// One byte in that \xNN form.
std::string EscapedByte(unsigned char c);

// Scenario form: the text between the quotes, with the escapes \r \n \t \" \\ and \xNN
// (exactly two hex digits); every raw byte must be 32-126. The bytes, or nullopt with the
// reason in `error`.
std::optional<std::string> UnescapeBytes(std::string_view quoted, std::string& error);

// Milliseconds as seconds with three decimals ("12.040", "-0.500").
std::string FormatTime(std::int64_t ms);

}  // namespace shortmsg::replay
