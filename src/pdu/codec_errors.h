#pragma once
// The reasons the codec gives when it refuses its input, as the error box shows them.
#include <string_view>

namespace shortmsg::codec_errors {

inline constexpr std::string_view kPduNotHex =
    "PDU refused: it holds characters that are not hexadecimal";
inline constexpr std::string_view kPduTooShort = "PDU refused: it ends before its user-data length";
inline constexpr std::string_view kStatusReportTooShort =
    "PDU refused: the status report ends before its status field";
inline constexpr std::string_view kMessageTooLong =
    "Message too long: at most 160 GSM characters fit in one SMS (extension characters count "
    "twice)";
inline constexpr std::string_view kMessageTooManyParts =
    "Message too long: at most 255 parts of 67 characters";
inline constexpr std::string_view kDestinationTooLong =
    "Destination number too long: at most 255 digits";
inline constexpr std::string_view kDestinationNotDigits =
    "Destination refused: a number holds digits, \"*\" and \"#\" only (and a leading \"+\")";
inline constexpr std::string_view kServiceCenterNotDigits =
    "Service center address refused: digits only, without \"+\"";
inline constexpr std::string_view kServiceCenterTooLong =
    "Service center address too long: at most 508 digits";

}  // namespace shortmsg::codec_errors
