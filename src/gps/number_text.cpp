#include "gps/number_text.h"

#include <charconv>

namespace shortmsg {

std::string FormatGeneralNumber(double value) {
    if (value == 0) value = 0;  // a negative zero is written "0"
    char buffer[32];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    return std::string(buffer, result.ptr);
}

}  // namespace shortmsg
