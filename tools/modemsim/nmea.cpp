#include "nmea.h"

#include <cmath>
#include <cstdio>

namespace shortmsg::modemsim {
namespace {

constexpr double kStartLatitude = 51.4779;
constexpr double kStartLongitude = -0.0015;
constexpr double kCourseDegrees = 45.0;
constexpr double kSpeedMetresPerSecond = 1.5;
constexpr double kMetresPerDegree = 111320.0;
constexpr double kKnotsPerMetrePerSecond = 1.943844;
constexpr double kPi = 3.14159265358979323846;

// "5128.6740,N": whole degrees (`degreeDigits` wide) and decimal minutes, then the side.
std::string Coordinate(double degrees, int degreeDigits, char positive, char negative) {
    const double magnitude = std::fabs(degrees);
    int whole = static_cast<int>(magnitude);
    double minutes = (magnitude - whole) * 60.0;
    if (minutes >= 59.99995) {  // would print as 60.0000
        ++whole;
        minutes = 0;
    }
    char text[32];
    std::snprintf(text, sizeof text, "%0*d%07.4f,%c", degreeDigits, whole, minutes,
                  degrees < 0 ? negative : positive);
    return text;
}

std::string Time(const CivilTime& utc) {
    char text[48];
    std::snprintf(text, sizeof text, "%02d%02d%02d.00", utc.hour, utc.minute, utc.second);
    return text;
}

}  // namespace

Fix TrackAt(double seconds) {
    const double metres = kSpeedMetresPerSecond * seconds;
    const double course = kCourseDegrees * kPi / 180.0;
    const double north = metres * std::cos(course);
    const double east = metres * std::sin(course);
    Fix fix;
    fix.latitude = kStartLatitude + north / kMetresPerDegree;
    fix.longitude =
        kStartLongitude + east / (kMetresPerDegree * std::cos(kStartLatitude * kPi / 180.0));
    fix.speedKnots = kSpeedMetresPerSecond * kKnotsPerMetrePerSecond;
    fix.courseDegrees = kCourseDegrees;
    return fix;
}

std::string Sentence(std::string_view body) {
    unsigned sum = 0;
    for (const char c : body) sum ^= static_cast<unsigned char>(c);
    char checksum[4];
    std::snprintf(checksum, sizeof checksum, "%02X", sum & 0xFF);
    std::string sentence = "$";
    sentence.append(body).append("*").append(checksum).append("\r\n");
    return sentence;
}

std::string RmcSentence(const Fix& fix, const CivilTime& utc) {
    char rest[64];
    std::snprintf(rest, sizeof rest, ",%.1f,%.1f,%02d%02d%02d,,,A", fix.speedKnots,
                  fix.courseDegrees, utc.day, utc.month, utc.year % 100);
    return Sentence("GPRMC," + Time(utc) + ",A," + Coordinate(fix.latitude, 2, 'N', 'S') + "," +
                    Coordinate(fix.longitude, 3, 'E', 'W') + rest);
}

std::string GgaSentence(const Fix& fix, const CivilTime& utc) {
    return Sentence("GPGGA," + Time(utc) + "," + Coordinate(fix.latitude, 2, 'N', 'S') + "," +
                    Coordinate(fix.longitude, 3, 'E', 'W') + ",1,08,0.9,46.0,M,47.0,M,,");
}

std::string GsaSentence() {
    return Sentence("GPGSA,A,3,04,05,09,12,17,24,25,,,,,,1.8,0.9,1.5");
}

std::string SentenceSet(const Fix& fix, const CivilTime& utc) {
    return GgaSentence(fix, utc) + GsaSentence() + RmcSentence(fix, utc);
}

}  // namespace shortmsg::modemsim
