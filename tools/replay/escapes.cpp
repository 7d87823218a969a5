#include "escapes.h"

#include <cstdio>

#include "pdu/hex.h"

namespace shortmsg::replay {
namespace {

bool Printable(unsigned char c) {
    return c >= 32 && c <= 126;
}

}  // namespace

std::string EscapedByte(unsigned char c) {
    std::string escaped = "\\x";
    hex::AppendOctet(escaped, c);
    return escaped;
}

std::string QuoteBytes(std::string_view bytes) {
    std::string out = "\"";
    for (const char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += ch;
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else if (Printable(c)) {
            out += ch;
        } else {
            out += EscapedByte(c);
        }
    }
    return out + '"';
}

std::optional<std::string> UnescapeBytes(std::string_view quoted, std::string& error) {
    std::string out;
    for (size_t i = 0; i < quoted.size(); ++i) {
        const auto c = static_cast<unsigned char>(quoted[i]);
        if (!Printable(c)) {
            error = "raw byte " + EscapedByte(c) + " in a string (write it as an escape)";
            return std::nullopt;
        }
        if (c != '\\') {
            out += static_cast<char>(c);
            continue;
        }
        if (++i == quoted.size()) {
            error = "string ends in a lone backslash";
            return std::nullopt;
        }
        switch (quoted[i]) {
            case 'r':
                out += '\r';
                break;
            case 'n':
                out += '\n';
                break;
            case 't':
                out += '\t';
                break;
            case '"':
                out += '"';
                break;
            case '\\':
                out += '\\';
                break;
            case 'x':
                if (i + 2 >= quoted.size() || !hex::IsHexDigit(quoted[i + 1]) ||
                    !hex::IsHexDigit(quoted[i + 2])) {
                    error = "\\x needs exactly two hex digits";
                    return std::nullopt;
                }
                out += static_cast<char>(hex::OctetAt(quoted, i + 1));
                i += 2;
                break;
            default:
                error = std::string("unknown escape \\") + quoted[i];
                return std::nullopt;
        }
    }
    return out;
}

std::string FormatTime(std::int64_t ms) {
    const bool negative = ms < 0;
    const std::uint64_t magnitude =
        negative ? static_cast<std::uint64_t>(-(ms + 1)) + 1 : static_cast<std::uint64_t>(ms);
    char buf[40];
    std::snprintf(buf, sizeof buf, "%s%llu.%03llu", negative ? "-" : "",
                  static_cast<unsigned long long>(magnitude / 1000),
                  static_cast<unsigned long long>(magnitude % 1000));
    return buf;
}

}  // namespace shortmsg::replay
