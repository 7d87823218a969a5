#include "platform/line_settings.h"

#include <array>
#include <charconv>
#include <system_error>
#include <utility>
#include <vector>

namespace shortmsg {
namespace {

constexpr std::array<std::pair<std::string_view, Parity>, 5> kParities = {{{"N", Parity::None},
                                                                           {"E", Parity::Even},
                                                                           {"O", Parity::Odd},
                                                                           {"M", Parity::Mark},
                                                                           {"S", Parity::Space}}};

constexpr std::array<std::pair<std::string_view, StopBits>, 3> kStopBits = {
    {{"1", StopBits::One}, {"1.5", StopBits::OneAndHalf}, {"2", StopBits::Two}}};

std::vector<std::string_view> SplitFields(std::string_view text) {
    std::vector<std::string_view> fields;
    for (;;) {
        const size_t comma = text.find(',');
        fields.push_back(text.substr(0, comma));
        if (comma == std::string_view::npos) return fields;
        text.remove_prefix(comma + 1);
    }
}

std::optional<int> PositiveNumber(std::string_view text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [at, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || at != end || value < 1) return std::nullopt;
    return value;
}

template <typename T, size_t N>
std::optional<T> Lookup(const std::array<std::pair<std::string_view, T>, N>& table,
                        std::string_view key) {
    for (const auto& [text, value] : table) {
        if (text == key) return value;
    }
    return std::nullopt;
}

}  // namespace

std::optional<LineSettings> ParseLineSettings(std::string_view text) {
    const std::vector<std::string_view> fields = SplitFields(text);
    if (fields.size() != 4) return std::nullopt;
    const auto baud = PositiveNumber(fields[0]);
    const auto parity = Lookup(kParities, fields[1]);
    const auto dataBits = PositiveNumber(fields[2]);
    const auto stopBits = Lookup(kStopBits, fields[3]);
    if (!baud || !parity || !dataBits || !stopBits) return std::nullopt;
    if (*dataBits < 5 || *dataBits > 8) return std::nullopt;
    return LineSettings{*baud, *parity, *dataBits, *stopBits};
}

}  // namespace shortmsg
