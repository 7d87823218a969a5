#include "pdu/user_data_header.h"

namespace shortmsg {
namespace {

constexpr std::uint8_t kConcatenation8 = 0x00;
constexpr std::uint8_t kConcatenation16 = 0x08;

}  // namespace

std::size_t HeaderSeptets(std::size_t udhl) {
    return ((udhl + 1) * 8 + 6) / 7;
}

std::optional<Concatenation> ReadConcatenation(const std::uint8_t* elements, std::size_t udhl) {
    std::optional<Concatenation> found;
    for (std::size_t at = 0; at < udhl;) {
        if (at + 2 > udhl || at + 2 + elements[at + 1] > udhl) return std::nullopt;
        const std::uint8_t id = elements[at];
        const std::uint8_t length = elements[at + 1];
        const std::uint8_t* data = elements + at + 2;
        if (id == kConcatenation8 && length == 3) {
            found = Concatenation{data[0], data[2], data[1], false};
        } else if (id == kConcatenation16 && length == 4) {
            found = Concatenation{(data[0] << 8) | data[1], data[3], data[2], true};
        }
        at += 2 + length;
    }
    if (found && (found->total == 0 || found->part == 0 || found->part > found->total)) {
        return std::nullopt;
    }
    return found;
}

}  // namespace shortmsg
