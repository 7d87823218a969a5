#pragma once
// NMEA RMC decoding and the distance moved from the reference point.
#include <string>
#include <string_view>

namespace shortmsg {

// The fix and distance state that DecodeGPRMC and ComputeDistanceMoved own. Part of the
// terminal's GPS state (gps/gps_state.h).
struct GpsFixState {
    bool GPS_FixValid = false;
    std::string GPS_FixTime;
    double GPS_Latitude = 0;
    double GPS_Longitude = 0;
    double GPS_RefLatitude = 0;
    double GPS_RefLongitude = 0;
    double GPS_DistanceMoved = 0;
};

// A decimal number as NMEA writes it ("4807.038", "0.03", ".5"): digits with at most one
// ".", nothing else (no sign, blank or exponent); false for any other text.
bool ParseDecimal(std::string_view text, double& value);

// GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A
// `sentence` is without its "$" and line end. Sets GPS_FixTime and GPS_FixValid always,
// latitude and longitude only for a valid fix. Text that lacks the commas, has short
// fields or non-numeric degrees or minutes, or a latitude beyond 90 or longitude beyond 180
// degrees, is a void fix.
void DecodeGPRMC(std::string_view sentence, GpsFixState& state);

// Great-circle distance from the reference point to the fix, in km (K = 0.01745329,
// radius 6378 km). Returns false, leaving GPS_DistanceMoved alone, when the two points
// coincide (1 - X^2 <= 0).
bool ComputeDistanceMoved(GpsFixState& state);

}  // namespace shortmsg
