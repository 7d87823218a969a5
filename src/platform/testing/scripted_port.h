#pragma once
// A serial port on virtual time, for running the terminal against a scripted modem or GPS
// receiver: bytes arrive at given times, every write is handed to a hook with its time.
//
//  - A port is named by a number text ("1") or a device path ("/dev/ttyUSB0"); whether it
//    exists is asked of a shared PortAvailability (every number from 1 up and every path
//    exist unless it says otherwise). Opening a port that does not exist fails.
//  - A port that goes away while open is closed; bytes waiting in it are lost, and so are
//    bytes that arrive while it is away. Bytes that arrive while it exists but is closed
//    wait until they are read, as do bytes that arrive before the port is first named.
//  - A write of no bytes, or to a closed port, is dropped.
//  - WaitForInput waits on the virtual clock (see VirtualClock::WaitFor).
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/serial_port.h"
#include "platform/testing/virtual_clock.h"

namespace shortmsg {

class ScriptedPort;

class PortAvailability {
  public:
    // Whether the port named by `commPort` exists now.
    bool Present(std::string_view commPort) const;
    // The port starts or stops existing; an open ScriptedPort on it is closed.
    void SetPresent(std::string_view commPort, bool present);

    void Attach(ScriptedPort& port);
    void Detach(ScriptedPort& port);

  private:
    std::map<std::string, bool, std::less<>> present_;
    std::vector<ScriptedPort*> ports_;
};

class ScriptedPort final : public SerialPort {
  public:
    using WriteHook = std::function<void(VirtualClock::Ms at, std::string_view bytes)>;

    ScriptedPort(VirtualClock& clock, PortAvailability& availability, WriteHook onWrite = {});
    ~ScriptedPort() override;
    ScriptedPort(const ScriptedPort&) = delete;
    ScriptedPort& operator=(const ScriptedPort&) = delete;

    // Naming a port that does not exist loses the bytes waiting.
    void SetCommPort(const std::string& port) override;
    const std::string& CommPort() const override { return commPort_; }
    void SetSettings(const std::string& settings) override { settings_ = settings; }
    const std::string& Settings() const override { return settings_; }

    bool PortOpen() const override { return open_; }
    bool Open() override;
    void Close() override { open_ = false; }

    void SetInputLen(int length) override { inputLen_ = length; }
    int InputLen() const { return inputLen_; }
    // Bytes waiting, also while the port is closed (they wait for it to be opened).
    int InBufferCount() override { return static_cast<int>(waiting_.size()); }
    void DiscardInput() override { waiting_.clear(); }
    // Everything waiting; nothing while the port is closed.
    std::string Input() override;
    void Output(std::string_view bytes) override;
    // Closed: the time passes and nothing comes. Open: returns when bytes wait, the port
    // closes, or `ms` have passed.
    bool WaitForInput(int ms) override;

    // Bytes from the far end arrive now; lost when the port named does not exist.
    void Arrive(std::string_view bytes);
    // Bytes from the far end arrive at `at` (a world event on the clock).
    void ArriveAt(VirtualClock::Ms at, std::string bytes);
    // The availability says this port went away.
    void Vanished();

  private:
    VirtualClock& clock_;
    PortAvailability& availability_;
    WriteHook onWrite_;
    std::string commPort_;
    std::string settings_;
    int inputLen_ = 0;
    bool open_ = false;
    std::string waiting_;
};

}  // namespace shortmsg
