#include "gps/threshold.h"

#include "gps/rmc.h"

namespace shortmsg {

double DistanceThresholdKm(std::string_view text) {
    double value = 0;
    return ParseDecimal(text, value) ? value : 0;
}

}  // namespace shortmsg
