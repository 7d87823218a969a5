#pragma once
// The modem log: a serial port that writes the whole dialogue passing through it into one
// text file a day, while the log is switched on. Each read that brings bytes and each write
// to the open port is one line: the local time, "in " or "out", and the bytes with control
// characters shown as escapes:
//
//   2024-03-05 14:02:11 out AT+CMGS=23\r\n
//   2024-03-05 14:02:11 in  \r\n>
//
// The files are <folder>/YYYY-MM-DD.txt; the first line written on a day removes the files
// older than the last `kModemLogDays` days. A file that cannot be written loses that line;
// the port works on either way.
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "platform/disk_files.h"
#include "platform/serial_port.h"
#include "platform/services.h"

namespace shortmsg {

inline constexpr int kModemLogDays = 14;

// The bytes as one line of text: printable ASCII as it is, "\\" doubled, CR "\r", LF "\n",
// tab "\t", every other byte "\xNN" (upper-case hex).
std::string ShowControlCharacters(std::string_view bytes);

// "YYYY-MM-DD" of the day `t` falls on.
std::string DateText(DateTime t);

// Removes the day files in `folder` dated before the last `days` days up to `today`; other
// files are left alone.
void RemoveOldModemLogs(const std::filesystem::path& folder, DateTime today, int days);

class LoggedSerialPort final : public SerialPort {
  public:
    // `on` says whether the log is switched on; it is asked at each read and write.
    LoggedSerialPort(SerialPort& port, Clock& clock, std::filesystem::path folder,
                     std::function<bool()> on);

    void SetCommPort(const std::string& port) override { port_.SetCommPort(port); }
    const std::string& CommPort() const override { return port_.CommPort(); }
    void SetSettings(const std::string& settings) override { port_.SetSettings(settings); }
    const std::string& Settings() const override { return port_.Settings(); }
    bool PortOpen() const override { return port_.PortOpen(); }
    bool Open() override { return port_.Open(); }
    void Close() override { port_.Close(); }
    void SetInputLen(int length) override { port_.SetInputLen(length); }
    int InBufferCount() override { return port_.InBufferCount(); }
    void DiscardInput() override { port_.DiscardInput(); }
    std::string Input() override;
    void Output(std::string_view bytes) override;
    bool WaitForInput(int ms) override { return port_.WaitForInput(ms); }

  private:
    void Record(std::string_view direction, std::string_view bytes);

    SerialPort& port_;
    Clock& clock_;
    DiskFiles files_;
    std::function<bool()> on_;
    std::string day_;      // the day last written, "" before the first line
    bool failed_ = false;  // a write failed (said once on standard error)
};

}  // namespace shortmsg
