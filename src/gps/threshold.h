#pragma once
// The distance threshold that a "GPSquery:" command leaves behind, as a number.
#include <string_view>

namespace shortmsg {

// Kilometres. A threshold is digits with at most one "." ("0.03", "5", ".5", "2."); any
// other text ("", "-1", "1e-9", "nan", "0x10", " 1") is 0, which means tracking is off. So
// no remote text can make the terminal report on every tick.
double DistanceThresholdKm(std::string_view text);

}  // namespace shortmsg
