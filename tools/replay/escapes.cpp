#include "escapes.h"

#include <cstdio>

namespace shortmsg::replay {
namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

bool Printable(unsigned char c) {
    return c >= 32 && c <= 126;
}

std::string ByteName(unsigned char c) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "\\x%02X", c);
    return buf;
}

}  // namespace

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
            out += ByteName(c);
        }
    }
    return out + '"';
}

std::optional<std::string> UnescapeBytes(std::string_view quoted, std::string& error) {
    std::string out;
    for (size_t i = 0; i < quoted.size(); ++i) {
        const auto c = static_cast<unsigned char>(quoted[i]);
        if (!Printable(c)) {
            error = "raw byte " + ByteName(c) + " in a string (write it as an escape)";
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
            case 'x': {
                const int high = i + 1 < quoted.size() ? HexDigit(quoted[i + 1]) : -1;
                const int low = i + 2 < quoted.size() ? HexDigit(quoted[i + 2]) : -1;
                if (high < 0 || low < 0) {
                    error = "\\x needs exactly two hex digits";
                    return std::nullopt;
                }
                out += static_cast<char>(high * 16 + low);
                i += 2;
                break;
            }
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
