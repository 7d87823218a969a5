#pragma once
// The serial port on QSerialPort. The port number resolves through the port map folder
// (platform/port_map.h); "19200,N,8,1" settings apply on open. Nothing here throws: a port
// that cannot be opened or configured stays closed (and keeps the reason), a write to a
// closed port is dropped, and a device that goes away (a hang-up, an unplugged adapter)
// closes the port.
#include <QSerialPort>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "platform/serial_port.h"

namespace shortmsg {

class QtSerialPort final : public SerialPort {
  public:
    explicit QtSerialPort(std::filesystem::path portMapFolder);

    void SetCommPort(const std::string& port) override { commPort_ = port; }
    const std::string& CommPort() const override { return commPort_; }
    // Takes effect at the next open (and at once on an open port).
    void SetSettings(const std::string& settings) override;
    const std::string& Settings() const override { return settings_; }

    bool PortOpen() const override { return port_.isOpen(); }
    bool Open() override;
    void Close() override;

    void SetInputLen(int length) override { inputLen_ = length; }
    int InBufferCount() override;
    void DiscardInput() override;
    std::string Input() override;
    void Output(std::string_view bytes) override;
    bool WaitForInput(int ms) override;

    // The device the last Open tried ("" when the port text named none).
    const std::string& Device() const { return device_; }
    // Why the last Open failed, in the operator's words ("Tried /dev/ttyS0: Permission
    // denied"), once: "" after a successful Open or when it was taken already.
    std::string TakeOpenFailure();
    // Called after every Open, every Close of an open port, and when the device goes away.
    void OnChange(std::function<void()> hook) { onChange_ = std::move(hook); }
    // The QSerialPort underneath, for watching its signals.
    const QSerialPort& QtPort() const { return port_; }

  private:
    bool TryOpen();
    bool ApplySettings();
    void Changed();
    // Moves what the driver holds into the port's buffer without waiting.
    void Poll();

    std::filesystem::path portMapFolder_;
    std::string commPort_;
    std::string settings_;
    std::string device_;
    std::string openFailure_;
    std::function<void()> onChange_;
    int inputLen_ = 0;
    QSerialPort port_;
};

}  // namespace shortmsg
