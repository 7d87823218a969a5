#include "latin1_text.h"

#include <cstdio>

namespace shortmsg {

namespace {

struct Utf8Char {
    char32_t code = 0;
    std::size_t length = 0;  // 0: malformed
};

bool IsContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

// Reads the character that starts at `pos`; only the shortest form of each code point
// below U+110000 (surrogates excluded) is well-formed.
Utf8Char ReadUtf8Char(std::string_view s, std::size_t pos) {
    const auto lead = static_cast<unsigned char>(s[pos]);
    if (lead < 0x80) return {lead, 1};
    std::size_t length = 0;
    char32_t code = 0;
    char32_t smallest = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, code = lead & 0x1F, smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, code = lead & 0x0F, smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, code = lead & 0x07, smallest = 0x10000;
    } else {
        return {};
    }
    if (pos + length > s.size()) return {};
    for (std::size_t i = 1; i < length; ++i) {
        const auto c = static_cast<unsigned char>(s[pos + i]);
        if (!IsContinuation(c)) return {};
        code = (code << 6) | (c & 0x3F);
    }
    if (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return {};
    return {code, length};
}

}  // namespace

Result<std::string> Utf8ToLatin1(std::string_view utf8) {
    std::string latin1;
    latin1.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const Utf8Char ch = ReadUtf8Char(utf8, pos);
        if (ch.length == 0) {
            return Result<std::string>::Fail("The text is not valid UTF-8 (at byte " +
                                             std::to_string(pos + 1) + ").");
        }
        if (ch.code > 0xFF) {
            char name[16];
            std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(ch.code));
            return Result<std::string>::Fail("The text holds " + std::string(name) +
                                             ", which has no ISO 8859-1 form.");
        }
        latin1 += static_cast<char>(ch.code);
        pos += ch.length;
    }
    return Result<std::string>::Ok(std::move(latin1));
}

}  // namespace shortmsg
