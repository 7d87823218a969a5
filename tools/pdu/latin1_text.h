#pragma once
// Operator text arrives as UTF-8 on the command line; the terminal's text is 8-bit
// (ISO 8859-1), so every character must have a code from 0 to 255.
#include <string>
#include <string_view>

#include "pdu/result.h"

namespace shortmsg {

// Refuses text that is not well-formed UTF-8 (overlong forms, surrogates and code points
// above U+10FFFF included) or that holds a character above U+00FF, naming it.
Result<std::string> Utf8ToLatin1(std::string_view utf8);

}  // namespace shortmsg
