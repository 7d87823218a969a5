#include "json_line.h"

#include <cmath>

#include "gps/number_text.h"
#include "pdu/utf8.h"

namespace shortmsg {

namespace {

constexpr char kHexDigits[] = "0123456789abcdef";

// The two-character escapes JSON has for the characters the terminal's text holds most.
char ShortEscape(unsigned char c) {
    switch (c) {
        case '"':
            return '"';
        case '\\':
            return '\\';
        case '\n':
            return 'n';
        case '\r':
            return 'r';
        case '\t':
            return 't';
        default:
            return 0;
    }
}

}  // namespace

void AppendJsonString(std::string& out, std::string_view utf8) {
    out += '"';
    for (std::size_t pos = 0; pos < utf8.size();) {
        const Utf8Char ch = ReadUtf8Char(utf8, pos);
        const auto c = static_cast<unsigned char>(utf8[pos]);
        if (char e = ShortEscape(c)) {
            out += '\\';
            out += e;
        } else if (c < 0x20 || c == 0x7F) {
            out += "\\u00";
            out += kHexDigits[c >> 4];
            out += kHexDigits[c & 0x0F];
        } else {
            AppendUtf8(out, ch.code);  // a byte that is not UTF-8 shows as U+FFFD
        }
        pos += ch.length;
    }
    out += '"';
}

void JsonLine::Key(std::string_view key) {
    if (!body_.empty()) body_ += ", ";
    AppendJsonString(body_, key);
    body_ += ": ";
}

JsonLine& JsonLine::Text(std::string_view key, std::string_view utf8) {
    Key(key);
    AppendJsonString(body_, utf8);
    return *this;
}

JsonLine& JsonLine::Object(std::string_view key, const JsonLine& object) {
    Key(key);
    body_ += object.Finish();
    return *this;
}

JsonLine& JsonLine::Number(std::string_view key, double value) {
    Key(key);
    body_ += std::isfinite(value) ? FormatGeneralNumber(value) : "null";
    return *this;
}

JsonLine& JsonLine::Integer(std::string_view key, long long value) {
    Key(key);
    body_ += std::to_string(value);
    return *this;
}

JsonLine& JsonLine::Boolean(std::string_view key, bool value) {
    Key(key);
    body_ += value ? "true" : "false";
    return *this;
}

std::string JsonErrorLine(std::string_view reason) {
    return JsonLine().Text("error", reason).Finish();
}

}  // namespace shortmsg
