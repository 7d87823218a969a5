#pragma once
// The platform services the terminal core uses. Each has a real implementation (Qt, the
// file system) and a test double (the virtual clock, the scripted port).
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/date_time.h"
#include "platform/serial_port.h"

namespace shortmsg {

// Who a running timer belongs to: the caller's own key (the timer object's address).
using TimerId = const void*;

// Runs the periodic timers on the one thread everything runs on.
class TimerService {
  public:
    virtual ~TimerService() = default;
    // Starts the count of timer `id` afresh: `tick` runs every `intervalMs` from now, until
    // the timer is stopped or started again. An interval of 0 or less never ticks.
    virtual void Start(TimerId id, int intervalMs, std::function<void()> tick) = 0;
    virtual void Stop(TimerId id) = 0;
};

class Clock {
  public:
    virtual ~Clock() = default;
    // The local date and time.
    virtual DateTime Now() = 0;
    // Milliseconds on a steady count (for bounding the waits inside a tick).
    virtual std::int64_t MonotonicMs() = 0;
};

// A message box with an OK button; returns once the operator has taken it.
class MessageBox {
  public:
    virtual ~MessageBox() = default;
    virtual void Show(const std::string& text) = 0;
};

// Ends the program at once: no further event runs.
class ProgramEnd {
  public:
    virtual ~ProgramEnd() = default;
    virtual void End() = 0;
};

// Text files under the data root (the position logs). Paths are relative to the root and use
// "/". Missing folders are created. Each call opens, writes and closes the file.
class TextFiles {
  public:
    virtual ~TextFiles() = default;
    // Appends `bytes`; false (with the reason in `error`) when the write failed.
    virtual bool Append(const std::string& path, std::string_view bytes, std::string& error) = 0;
    // Replaces the file's content by `bytes`.
    virtual bool Output(const std::string& path, std::string_view bytes, std::string& error) = 0;
};

struct Services {
    SerialPort& MSComm1;   // the modem port
    SerialPort& GPSComm1;  // the GPS receiver port
    TimerService& timers;
    Clock& clock;
    MessageBox& messageBox;
    ProgramEnd& programEnd;
    TextFiles& files;
};

}  // namespace shortmsg
