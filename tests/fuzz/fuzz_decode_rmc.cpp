// RMC decoding over any text (sentences from the receiver, and text of received messages
// that merely contains "GPRMC"): never a stop, and a valid fix is a real position.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "gps/rmc.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace shortmsg;
    const std::string_view sentence(reinterpret_cast<const char*>(data), size);
    GpsFixState state;
    state.GPS_Latitude = 12.5;
    state.GPS_Longitude = -3.25;
    DecodeGPRMC(sentence, state);
    if (state.GPS_FixTime.size() > sentence.size()) __builtin_trap();
    if (!state.GPS_FixValid) {
        // A void fix leaves the last position in place.
        if (state.GPS_Latitude != 12.5 || state.GPS_Longitude != -3.25) __builtin_trap();
        return 0;
    }
    if (!std::isfinite(state.GPS_Latitude) || !std::isfinite(state.GPS_Longitude)) __builtin_trap();
    state.GPS_DistanceMoved = -1;
    if (ComputeDistanceMoved(state)) {
        if (!(state.GPS_DistanceMoved >= 0) || state.GPS_DistanceMoved > 6378 * 3.1416)
            __builtin_trap();
    } else if (state.GPS_DistanceMoved != -1) {
        __builtin_trap();
    }
    return 0;
}
