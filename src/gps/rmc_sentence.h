#pragma once
// Picking the position sentence out of one read of the GPS receiver port.
#include <optional>
#include <string_view>

namespace shortmsg {

// The sentence a GPS_Timer1 tick keeps from `read` (everything the port had waiting):
// the first "$GPRMC" up to the first CR LF after it, without the "$" and the line end.
// A read that holds no "$GPRMC" at all is searched for "$GNRMC" (multi-constellation
// receivers) in the same way. Nothing when the sentence found has no CR LF after it: its
// end has not arrived, and the next read does not complete it.
//
//   "$GPGGA,...\r\n$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A\r\n"
//   -> "GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A"
std::optional<std::string_view> TakeRmcSentence(std::string_view read);

// Whether a received message text holds a position sentence worth logging ("GPRMC" or
// "GNRMC" anywhere, case-sensitive).
bool HoldsPositionSentence(std::string_view text);

}  // namespace shortmsg
