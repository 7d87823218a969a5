#include "link/text.h"

#include <algorithm>
#include <charconv>

namespace shortmsg {

long InStr(long start, std::string_view text, std::string_view needle) {
    if (start < 1 || static_cast<size_t>(start - 1) > text.size()) return 0;
    const size_t at = text.find(needle, static_cast<size_t>(start - 1));
    return at == std::string_view::npos ? 0 : static_cast<long>(at) + 1;
}

std::string Mid(std::string_view text, long start, long length) {
    if (start < 1 || length <= 0 || static_cast<size_t>(start - 1) >= text.size()) return {};
    return std::string(text.substr(static_cast<size_t>(start - 1), static_cast<size_t>(length)));
}

std::string Mid(std::string_view text, long start) {
    if (start < 1 || static_cast<size_t>(start - 1) >= text.size()) return {};
    return std::string(text.substr(static_cast<size_t>(start - 1)));
}

std::string_view TrimBlanks(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\r\n";
    const size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return text.substr(text.size());
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::optional<long> WholeNumber(std::string_view text) {
    text = TrimBlanks(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    long value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
    return value;
}

bool HoldsControlCharacter(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto code = static_cast<unsigned char>(c);
        return code < 32 || (code >= 127 && code < 160);
    });
}

}  // namespace shortmsg
