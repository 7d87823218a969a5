#pragma once
// A pseudo-terminal in raw mode, with a symlink in the port map folder naming its device
// ("COM1" -> /dev/pts/4). The simulator keeps the device side open itself, so the terminal
// may open and close the port as often as it likes without the simulator seeing a hang-up.
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace shortmsg::modemsim {

class PtyPort {
  public:
    // nullptr, with the reason in `error`, when the pseudo-terminal or the link cannot be
    // made. An existing file at `link` is replaced.
    static std::unique_ptr<PtyPort> Open(const std::filesystem::path& link, std::string& error);
    ~PtyPort();
    PtyPort(const PtyPort&) = delete;
    PtyPort& operator=(const PtyPort&) = delete;

    int Fd() const { return master_; }
    const std::string& Device() const { return device_; }
    // What the terminal wrote (without waiting; "" when nothing).
    std::string Read();
    // Writes without waiting; returns how many bytes went.
    size_t Write(std::string_view bytes);
    // Bytes written that the terminal has not read yet.
    int Unread() const;
    // Drops those bytes (as a receiver's output is lost while nobody listens).
    void DropUnread();

  private:
    PtyPort(int master, int slave, std::string device, std::filesystem::path link);
    int master_;
    int slave_;
    std::string device_;
    std::filesystem::path link_;
};

}  // namespace shortmsg::modemsim
