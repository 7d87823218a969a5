#include "gps/rmc_sentence.h"

namespace shortmsg {
namespace {

constexpr std::string_view kGpsTalker = "$GPRMC";
constexpr std::string_view kAnyTalker = "$GNRMC";
constexpr std::string_view kLineEnd = "\r\n";

}  // namespace

std::optional<std::string_view> TakeRmcSentence(std::string_view read) {
    std::size_t start = read.find(kGpsTalker);
    if (start == std::string_view::npos) start = read.find(kAnyTalker);
    if (start == std::string_view::npos) return std::nullopt;
    const std::size_t end = read.find(kLineEnd, start);
    if (end == std::string_view::npos) return std::nullopt;
    return read.substr(start + 1, end - start - 1);
}

bool HoldsPositionSentence(std::string_view text) {
    return text.find(kGpsTalker.substr(1)) != std::string_view::npos ||
           text.find(kAnyTalker.substr(1)) != std::string_view::npos;
}

}  // namespace shortmsg
