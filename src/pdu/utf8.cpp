#include "pdu/utf8.h"

namespace shortmsg {
namespace {

bool IsSurrogate(char32_t code) {
    return code >= 0xD800 && code <= 0xDFFF;
}

// Appends UTF-16 units, read by `unitAt(i)`, as UTF-8.
template <class UnitAt>
void AppendUtf16(std::size_t count, UnitAt unitAt, std::string& out) {
    const std::size_t base = out.size();
    out.resize(base + 3 * count);  // a unit takes at most three bytes, a pair four
    char* dst = out.data() + base;
    for (std::size_t i = 0; i < count; ++i) {
        const char32_t unit = unitAt(i);
        const char32_t next = i + 1 < count ? unitAt(i + 1) : 0;
        if (unit >= 0xD800 && unit <= 0xDBFF && next >= 0xDC00 && next <= 0xDFFF) {
            dst = PutUtf8(dst, 0x10000 + ((unit - 0xD800) << 10) + (next - 0xDC00));
            ++i;
        } else {
            dst = PutUtf8(dst, unit);  // an unpaired half becomes U+FFFD there
        }
    }
    out.resize(static_cast<std::size_t>(dst - out.data()));
}

}  // namespace

char* PutUtf8(char* dst, char32_t code) {
    if (code > 0x10FFFF || IsSurrogate(code)) code = kReplacementCharacter;
    const auto byte = [](char32_t bits) { return static_cast<char>(bits); };
    if (code < 0x80) {
        *dst++ = byte(code);
    } else if (code < 0x800) {
        *dst++ = byte(0xC0 | (code >> 6));
        *dst++ = byte(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        *dst++ = byte(0xE0 | (code >> 12));
        *dst++ = byte(0x80 | ((code >> 6) & 0x3F));
        *dst++ = byte(0x80 | (code & 0x3F));
    } else {
        *dst++ = byte(0xF0 | (code >> 18));
        *dst++ = byte(0x80 | ((code >> 12) & 0x3F));
        *dst++ = byte(0x80 | ((code >> 6) & 0x3F));
        *dst++ = byte(0x80 | (code & 0x3F));
    }
    return dst;
}

void AppendUtf8(std::string& out, char32_t code) {
    char bytes[4];
    out.append(bytes, static_cast<std::size_t>(PutUtf8(bytes, code) - bytes));
}

std::size_t Utf8Length(std::string_view text) {
    std::size_t characters = 0;
    for (std::size_t pos = 0; pos < text.size(); ++characters) {
        pos += ReadUtf8Char(text, pos).length;
    }
    return characters;
}

std::string_view Utf8Prefix(std::string_view text, std::size_t characters) {
    std::size_t pos = 0;
    for (; characters > 0 && pos < text.size(); --characters) {
        pos += ReadUtf8Char(text, pos).length;
    }
    return text.substr(0, pos);
}

std::optional<std::size_t> FirstBadUtf8Byte(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();) {
        const Utf8Char c = ReadUtf8Char(text, pos);
        if (!c.valid) return pos;
        pos += c.length;
    }
    return std::nullopt;
}

std::u32string DecodeUtf8(std::string_view text) {
    std::u32string codes;
    codes.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const Utf8Char c = ReadUtf8Char(text, pos);
        codes += c.code;
        pos += c.length;
    }
    return codes;
}

std::string Latin1ToUtf8(std::string_view latin1) {
    std::string out;
    out.reserve(latin1.size());
    for (const char c : latin1) AppendUtf8(out, static_cast<unsigned char>(c));
    return out;
}

std::optional<std::string> Utf8ToLatin1(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const Utf8Char c = ReadUtf8Char(utf8, pos);
        if (!c.valid || c.code > 0xFF) return std::nullopt;
        out += static_cast<char>(c.code);
        pos += c.length;
    }
    return out;
}

void Utf8ToUtf16Into(std::string_view utf8, std::u16string& out) {
    for (std::size_t pos = 0; pos < utf8.size();) {
        const Utf8Char c = ReadUtf8Char(utf8, pos);
        pos += c.length;
        if (c.code < 0x10000) {
            out += static_cast<char16_t>(c.code);
        } else {
            out += static_cast<char16_t>(0xD800 + ((c.code - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((c.code - 0x10000) & 0x3FF));
        }
    }
}

std::u16string Utf8ToUtf16(std::string_view utf8) {
    std::u16string out;
    Utf8ToUtf16Into(utf8, out);
    return out;
}

void Utf16BigEndianToUtf8Into(const unsigned char* octets, std::size_t units, std::string& out) {
    const auto unitAt = [octets](std::size_t i) {
        return static_cast<char32_t>((octets[2 * i] << 8) | octets[2 * i + 1]);
    };
    AppendUtf16(units, unitAt, out);
}

}  // namespace shortmsg
