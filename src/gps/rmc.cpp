#include "gps/rmc.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace shortmsg {

bool ParseDecimal(std::string_view text, double& value) {
    // Up to 15 digits the number is m / 10^k with both exact doubles, so one division
    // gives the correctly rounded value, the same as std::from_chars.
    constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                       1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    std::uint64_t mantissa = 0;
    int digits = 0;
    int decimals = -1;  // digits after the point, -1 while there is no point
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            mantissa = mantissa * 10 + static_cast<unsigned>(c - '0');
            ++digits;
            if (decimals >= 0) ++decimals;
        } else if (c == '.' && decimals < 0) {
            decimals = 0;
        } else {
            return false;
        }
        if (digits > 15) break;
    }
    if (digits == 0) return false;
    if (digits <= 15) {
        value = static_cast<double>(mantissa) / kPowersOfTen[decimals < 0 ? 0 : decimals];
        return true;
    }
    // Longer numbers: the checks above have seen only their start.
    for (const char c : text) {
        if (!(c == '.' || (c >= '0' && c <= '9'))) return false;
    }
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value, std::chars_format::fixed);
    return result.ec == std::errc() && result.ptr == end;
}

namespace {

constexpr double kDegreesToRadians = 0.01745329;
constexpr double kEarthRadiusKm = 6378;

// Positions of the first `wanted` commas of `text`; returns how many there are.
std::size_t FindCommas(std::string_view text, std::size_t* commas, std::size_t wanted) {
    std::size_t count = 0;
    std::size_t from = 0;
    while (count < wanted) {
        const std::size_t comma = text.find(',', from);
        if (comma == std::string_view::npos) break;
        commas[count++] = comma;
        from = comma + 1;
    }
    return count;
}

// "ddmm.mmmm" (degreeDigits = 2) or "dddmm.mmmm" (3): degrees, then minutes / 60 added.
bool ParseAngle(std::string_view field, std::size_t degreeDigits, double& angle) {
    if (field.size() < degreeDigits) return false;
    double degrees = 0;
    double minutes = 0;
    if (!ParseDecimal(field.substr(0, degreeDigits), degrees) ||
        !ParseDecimal(field.substr(degreeDigits), minutes)) {
        return false;
    }
    angle = minutes / 60 + degrees;
    return true;
}

}  // namespace

void DecodeGPRMC(std::string_view sentence, GpsFixState& state) {
    // Commas 1-7 end the address, time, status, latitude, N/S, longitude and E/W fields.
    std::size_t commas[7];
    const std::size_t found = FindCommas(sentence, commas, 7);
    // Field i lies between comma i and comma i + 1 (both present).
    const auto field = [&](std::size_t i) {
        return sentence.substr(commas[i - 1] + 1, commas[i] - commas[i - 1] - 1);
    };
    if (found >= 2) {
        state.GPS_FixTime.assign(field(1));
    } else {
        state.GPS_FixTime.assign(found == 1 ? sentence.substr(commas[0] + 1) : "");
    }
    state.GPS_FixValid = false;
    if (found < 3 || field(2) != "A") return;  // void, or not even a status
    if (found < 7) return;                     // the text ends inside the position

    double latitude = 0;
    double longitude = 0;
    if (!ParseAngle(field(3), 2, latitude) || !ParseAngle(field(5), 3, longitude)) return;
    // No place on earth lies beyond 90 degrees of latitude or 180 of longitude: such a
    // sentence ("9999.999,N,99999.999,E") is line noise, not a fix.
    if (latitude > 90 || longitude > 180) return;
    const std::string_view northSouth = field(4);
    const std::string_view eastWest = field(6);
    if (northSouth == "S" || northSouth == "s") latitude = latitude * -1;
    if (eastWest == "W" || eastWest == "w") longitude = longitude * -1;
    state.GPS_Latitude = latitude;
    state.GPS_Longitude = longitude;
    state.GPS_FixValid = true;
}

bool ComputeDistanceMoved(GpsFixState& state) {
    const double k = kDegreesToRadians;
    const double x = std::sin(state.GPS_RefLatitude * k) * std::sin(state.GPS_Latitude * k) +
                     std::cos(state.GPS_Latitude * k) * std::cos(state.GPS_RefLatitude * k) *
                         std::cos((state.GPS_RefLongitude - state.GPS_Longitude) * k);
    const double rest = 1 - x * x;
    if (rest <= 0) return false;  // the two points coincide
    const double angle = std::atan(-x / std::sqrt(rest)) + 2 * std::atan(1.0);
    state.GPS_DistanceMoved = angle * kEarthRadiusKm;
    return true;
}

}  // namespace shortmsg
