#pragma once
// The platform services a benchmark's terminal needs besides its ports: timers that never
// fire (the benchmark calls the handlers itself), a steady clock, and the stand-ins of
// platform/testing/service_doubles.h.
#include <chrono>
#include <string>

#include "platform/testing/service_doubles.h"

namespace shortmsg::bench {

class IdleTimers : public TimerService {
  public:
    void Start(TimerId, int, std::function<void()>) override {}
    void Stop(TimerId) override {}
};

class SteadyClock : public Clock {
  public:
    DateTime Now() override { return {}; }
    std::int64_t MonotonicMs() override {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }
};

// The part of a serial port that benchmarks never vary: naming, settings, opening, and
// writes counted but not kept. A benchmark's port says what is waiting to be read.
class BenchPort : public SerialPort {
  public:
    long Writes() const { return writes_; }

    void SetCommPort(const std::string& p) override { port_ = p; }
    const std::string& CommPort() const override { return port_; }
    void SetSettings(const std::string& s) override { settings_ = s; }
    const std::string& Settings() const override { return settings_; }
    bool PortOpen() const override { return open_; }
    bool Open() override { return open_ = true; }
    void Close() override { open_ = false; }
    void SetInputLen(int) override {}
    void Output(std::string_view) override { ++writes_; }

  private:
    std::string port_, settings_;
    bool open_ = false;
    long writes_ = 0;
};

// A terminal on the given ports with the services above.
struct QuietServices {
    IdleTimers timers;
    SteadyClock clock;
    RecordingMessageBox box;
    RecordingProgramEnd end;
    DiscardingFiles files;

    Services For(SerialPort& modem, SerialPort& gps) {
        return Services{modem, gps, timers, clock, box, end, files};
    }
};

}  // namespace shortmsg::bench
