#include "gps/query_access.h"

#include <cctype>
#include <string>

namespace shortmsg {
namespace {

std::string Digits(std::string_view number) {
    std::string digits;
    for (char c : number) {
        if (std::isdigit(static_cast<unsigned char>(c))) digits += c;
    }
    return digits;
}

}  // namespace

bool QueryAllowed(const GpsSettings& settings, Channel channel, std::string_view sender) {
    constexpr std::string_view kSeparators = ",;\r\n";
    std::string_view list = settings.allowedNumbers;
    if (list.find_first_not_of(",; \t\r\n") == std::string_view::npos) return true;
    if (channel == Channel::ShortBurst) return settings.shortBurstQueries;
    const std::string wanted = Digits(sender);
    if (wanted.empty()) return false;
    while (!list.empty()) {
        const std::size_t end = std::min(list.find_first_of(kSeparators), list.size());
        if (Digits(list.substr(0, end)) == wanted) return true;
        list.remove_prefix(std::min(end + 1, list.size()));
    }
    return false;
}

}  // namespace shortmsg
