#include "gps/threshold.h"

#include <charconv>

namespace shortmsg {

double DistanceThresholdKm(std::string_view text) {
    int digits = 0;
    int points = 0;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            ++digits;
        } else if (c == '.') {
            ++points;
        } else {
            return 0;
        }
    }
    if (digits == 0 || points > 1) return 0;
    double value = 0;
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value, std::chars_format::fixed);
    if (result.ec != std::errc() || result.ptr != end) return 0;
    return value;
}

}  // namespace shortmsg
