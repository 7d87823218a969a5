#pragma once
// The pieces of the service loop, and the response parser's dispatch of one line.
#include <cstddef>
#include <string>

namespace shortmsg {

class SMS;

inline constexpr int kCommandTimeOut = 10000;      // ms, after an ordinary command
inline constexpr int kMessageBodyTimeOut = 15000;  // ms, after a message body
// The unparsed tail of the receive buffer never grows beyond this; a modem that sends no
// line end loses its oldest unparsed text instead of the terminal's memory.
inline constexpr std::size_t kReceiveBufferLimit = 64 * 1024;

// Cuts the complete lines out of the receive buffer and dispatches each.
void CutAndDispatchLines(SMS& sms);
// Runs one line through the keyword tests, in their fixed order.
void DispatchLine(SMS& sms, const std::string& line);
// Writes the next queued command once the last one was answered (or the prompt came).
void PumpCommand(SMS& sms);
// Writes the last command again after a time-out, or gives it up after three resends.
void ResendOnTimeOut(SMS& sms);

}  // namespace shortmsg
