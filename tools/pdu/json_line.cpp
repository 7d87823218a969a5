#include "json_line.h"

#include <cmath>

#include "gps/number_text.h"

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

void AppendJsonString(std::string& out, std::string_view latin1) {
    out += '"';
    for (char ch : latin1) {
        const auto c = static_cast<unsigned char>(ch);
        if (char e = ShortEscape(c)) {
            out += '\\';
            out += e;
        } else if (c < 0x20 || c == 0x7F) {
            out += "\\u00";
            out += kHexDigits[c >> 4];
            out += kHexDigits[c & 0x0F];
        } else if (c >= 0x80) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += ch;
        }
    }
    out += '"';
}

void JsonLine::Key(std::string_view key) {
    if (!body_.empty()) body_ += ", ";
    AppendJsonString(body_, key);
    body_ += ": ";
}

JsonLine& JsonLine::Text(std::string_view key, std::string_view latin1) {
    Key(key);
    AppendJsonString(body_, latin1);
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
