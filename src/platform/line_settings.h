#pragma once
// A serial port's line settings as the port control writes them: "19200,N,8,1" is the
// speed in baud, the parity (N, E, O, M or S), the data bits (5 to 8) and the stop bits
// (1, 1.5 or 2).
#include <optional>
#include <string_view>

namespace shortmsg {

enum class Parity { None, Even, Odd, Mark, Space };
enum class StopBits { One, OneAndHalf, Two };

struct LineSettings {
    int baud = 0;
    Parity parity = Parity::None;
    int dataBits = 8;
    StopBits stopBits = StopBits::One;

    friend bool operator==(const LineSettings&, const LineSettings&) = default;
};

// nullopt for anything else: a missing or extra field, blanks, a speed that is not a whole
// number from 1 up, lower-case parity letters included.
std::optional<LineSettings> ParseLineSettings(std::string_view text);

}  // namespace shortmsg
