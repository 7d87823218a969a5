#pragma once
// Message text is UTF-8 everywhere in the terminal's core. These helpers count, cut and
// convert it. A byte that does not start a well-formed character (a stray continuation
// byte, a truncated or overlong sequence, a surrogate, anything above U+10FFFF) counts as
// one character, U+FFFD, wherever text is read as characters.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace shortmsg {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// One character read from UTF-8 text: its code point and the bytes it took (a bad byte:
// U+FFFD, one byte).
struct Utf8Char {
    char32_t code;
    std::size_t length;
    bool valid;
};

// The character that starts at `pos` (pos < text.size()).
inline Utf8Char ReadUtf8Char(std::string_view text, std::size_t pos);
// Appends `code` in UTF-8; a surrogate or a value above U+10FFFF gives U+FFFD.
void AppendUtf8(std::string& out, char32_t code);
// Writes `code` in UTF-8 (at most four bytes) at `dst` and returns the end; a surrogate or
// a value above U+10FFFF gives U+FFFD.
char* PutUtf8(char* dst, char32_t code);

// Characters in the text, a bad byte counting one.
std::size_t Utf8Length(std::string_view text);
// The longest beginning of the text that holds at most `characters` characters; a
// character is never cut.
std::string_view Utf8Prefix(std::string_view text, std::size_t characters);
// The byte position of the first bad byte, or nothing when the text is well-formed.
std::optional<std::size_t> FirstBadUtf8Byte(std::string_view text);
// The code points of the text, U+FFFD for each bad byte.
std::u32string DecodeUtf8(std::string_view text);

// ISO 8859-1 (one byte per character) to UTF-8.
std::string Latin1ToUtf8(std::string_view latin1);
// UTF-8 to ISO 8859-1; nothing when a character (a bad byte included) has no ISO 8859-1
// form.
std::optional<std::string> Utf8ToLatin1(std::string_view utf8);

// UTF-8 to UTF-16 (characters above U+FFFF as surrogate pairs; a bad byte as U+FFFD).
std::u16string Utf8ToUtf16(std::string_view utf8);
// Appends the UTF-16 units of the text to `out`.
void Utf8ToUtf16Into(std::string_view utf8, std::u16string& out);
// UTF-16 stored big-endian, `units` units of two octets each at `octets`, appended to `out`
// as UTF-8; a surrogate pair is one character, an unpaired half gives U+FFFD.
void Utf16BigEndianToUtf8Into(const unsigned char* octets, std::size_t units, std::string& out);

Utf8Char ReadUtf8Char(std::string_view text, std::size_t pos) {
    constexpr Utf8Char kBadByte = {kReplacementCharacter, 1, false};
    const auto first = static_cast<unsigned char>(text[pos]);
    if (first < 0x80) return {first, 1, true};
    std::size_t length = 0;
    char32_t code = 0;
    char32_t smallest = 0;  // shorter forms of a code point are overlong, hence bad
    if ((first & 0xE0) == 0xC0) {
        length = 2, code = first & 0x1Fu, smallest = 0x80;
    } else if ((first & 0xF0) == 0xE0) {
        length = 3, code = first & 0x0Fu, smallest = 0x800;
    } else if ((first & 0xF8) == 0xF0) {
        length = 4, code = first & 0x07u, smallest = 0x10000;
    } else {
        return kBadByte;
    }
    if (pos + length > text.size()) return kBadByte;
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[pos + i]);
        if ((next & 0xC0) != 0x80) return kBadByte;
        code = (code << 6) | (next & 0x3Fu);
    }
    if (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return kBadByte;
    }
    return {code, length, true};
}

}  // namespace shortmsg
