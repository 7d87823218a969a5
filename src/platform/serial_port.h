#pragma once
// A serial port as the terminal uses it: the operations of the modem and GPS port controls.
#include <string>
#include <string_view>

namespace shortmsg {

class SerialPort {
  public:
    virtual ~SerialPort() = default;

    // The port: a port number ("1", resolved through the port map) or a device path.
    virtual void SetCommPort(const std::string& port) = 0;
    virtual const std::string& CommPort() const = 0;
    // Line settings such as "19200,N,8,1".
    virtual void SetSettings(const std::string& settings) = 0;
    virtual const std::string& Settings() const = 0;

    virtual bool PortOpen() const = 0;
    // Opens the port; false when it is not available (the port stays closed).
    virtual bool Open() = 0;
    virtual void Close() = 0;

    // 0: a read returns everything waiting.
    virtual void SetInputLen(int length) = 0;
    // Bytes waiting to be read.
    virtual int InBufferCount() = 0;
    // Drops the bytes waiting (InBufferCount := 0).
    virtual void DiscardInput() = 0;
    // Reads and removes everything waiting.
    virtual std::string Input() = 0;
    // Writes the bytes; a write to a closed port is dropped.
    virtual void Output(std::string_view bytes) = 0;
    // Waits until bytes are waiting or `ms` have passed; true when bytes are waiting.
    virtual bool WaitForInput(int ms) = 0;
};

}  // namespace shortmsg
