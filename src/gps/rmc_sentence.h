#pragma once
// Picking the position sentence out of one read of the GPS receiver port, or out of a
// received message's text.
#include <optional>
#include <string_view>

namespace shortmsg {

// The sentence a GPS_Timer1 tick keeps from `read` (everything the port had waiting):
// the first "$GPRMC" up to the first CR LF after it, without the "$" and the line end.
// A read that holds no "$GPRMC" at all is searched for "$GNRMC" (multi-constellation
// receivers) in the same way. A sentence whose "*hh" checksum does not match its text is
// line noise and counts as not received (one without a checksum is taken). Nothing when the
// sentence found has no CR LF after it: its end has not arrived, and the next read does not
// complete it.
//
//   "$GPGGA,...\r\n$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A\r\n"
//   -> "GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A"
std::optional<std::string_view> TakeRmcSentence(std::string_view read);

// Whether a received message text holds a position sentence worth logging ("GPRMC" or
// "GNRMC" anywhere, case-sensitive).
bool HoldsPositionSentence(std::string_view text);
// The position sentence in a received message text: from its "GPRMC" or "GNRMC" (a "$"
// before it is not part of it) to the first control character or the end of the text.
std::string_view RmcSentenceIn(std::string_view text);
// What a position report carries of a sentence: the text before its first control
// character (the checksum and everything before it stay).
std::string_view ReportText(std::string_view sentence);

}  // namespace shortmsg
