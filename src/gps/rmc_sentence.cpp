#include "gps/rmc_sentence.h"

#include <algorithm>

namespace shortmsg {
namespace {

constexpr std::string_view kGpsTalker = "$GPRMC";
constexpr std::string_view kAnyTalker = "$GNRMC";
constexpr std::string_view kLineEnd = "\r\n";

bool IsControl(char c) {
    const auto code = static_cast<unsigned char>(c);
    return code < 32 || code == 127;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Whether the "*hh" checksum of a sentence (without "$") matches its text: the XOR of the
// characters before the "*". True for a sentence without one.
bool ChecksumMatches(std::string_view sentence) {
    const std::size_t star = sentence.rfind('*');
    if (star == std::string_view::npos) return true;
    const std::string_view digits = sentence.substr(star + 1);
    if (digits.size() != 2 || HexValue(digits[0]) < 0 || HexValue(digits[1]) < 0) return false;
    unsigned sum = 0;
    for (char c : sentence.substr(0, star)) sum ^= static_cast<unsigned char>(c);
    return sum == static_cast<unsigned>(HexValue(digits[0]) * 16 + HexValue(digits[1]));
}

// The first whole sentence of `talker` in `read` whose checksum matches.
std::optional<std::string_view> FirstGood(std::string_view read, std::string_view talker) {
    for (std::size_t start = read.find(talker); start != std::string_view::npos;
         start = read.find(talker, start + 1)) {
        const std::size_t end = read.find(kLineEnd, start);
        if (end == std::string_view::npos) return std::nullopt;
        const std::string_view sentence = read.substr(start + 1, end - start - 1);
        if (ChecksumMatches(sentence)) return sentence;
    }
    return std::nullopt;
}

bool Holds(std::string_view read, std::string_view talker) {
    return read.find(talker) != std::string_view::npos;
}

}  // namespace

std::optional<std::string_view> TakeRmcSentence(std::string_view read) {
    if (const auto sentence = FirstGood(read, kGpsTalker)) return sentence;
    // Only bad or unfinished GPS sentences: the read is searched for the other talker as if
    // it held none, unless a GPS sentence still waits for its end.
    const std::size_t last = read.rfind(kGpsTalker);
    if (last != std::string_view::npos && read.find(kLineEnd, last) == std::string_view::npos) {
        return std::nullopt;
    }
    return FirstGood(read, kAnyTalker);
}

bool HoldsPositionSentence(std::string_view text) {
    return Holds(text, kGpsTalker.substr(1)) || Holds(text, kAnyTalker.substr(1));
}

std::string_view RmcSentenceIn(std::string_view text) {
    const std::size_t start =
        std::min(text.find(kGpsTalker.substr(1)), text.find(kAnyTalker.substr(1)));
    if (start == std::string_view::npos) return {};
    return ReportText(text.substr(start));
}

std::string_view ReportText(std::string_view sentence) {
    const auto control = std::find_if(sentence.begin(), sentence.end(), IsControl);
    return sentence.substr(0, static_cast<std::size_t>(control - sentence.begin()));
}

}  // namespace shortmsg
