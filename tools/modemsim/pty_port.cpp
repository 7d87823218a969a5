#include "pty_port.h"

#include <fcntl.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <system_error>

namespace shortmsg::modemsim {

std::unique_ptr<PtyPort> PtyPort::Open(const std::filesystem::path& link, std::string& error) {
    int master = -1;
    int slave = -1;
    std::array<char, 128> name{};
    if (::openpty(&master, &slave, name.data(), nullptr, nullptr) != 0) {
        error = std::string("openpty: ") + std::strerror(errno);
        return nullptr;
    }
    termios raw{};
    ::tcgetattr(slave, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(slave, TCSANOW, &raw);
    ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
    ::fcntl(master, F_SETFD, FD_CLOEXEC);
    ::fcntl(slave, F_SETFD, FD_CLOEXEC);

    std::error_code ec;
    std::filesystem::remove(link, ec);
    std::filesystem::create_symlink(name.data(), link, ec);
    if (ec) {
        error = "cannot link " + link.string() + ": " + ec.message();
        ::close(master);
        ::close(slave);
        return nullptr;
    }
    return std::unique_ptr<PtyPort>(new PtyPort(master, slave, name.data(), link));
}

PtyPort::PtyPort(int master, int slave, std::string device, std::filesystem::path link)
    : master_(master), slave_(slave), device_(std::move(device)), link_(std::move(link)) {}

PtyPort::~PtyPort() {
    std::error_code ec;
    std::filesystem::remove(link_, ec);
    ::close(master_);
    ::close(slave_);
}

std::string PtyPort::Read() {
    std::string bytes;
    std::array<char, 1024> chunk;
    for (;;) {
        const ssize_t n = ::read(master_, chunk.data(), chunk.size());
        if (n <= 0) return bytes;
        bytes.append(chunk.data(), static_cast<size_t>(n));
    }
}

size_t PtyPort::Write(std::string_view bytes) {
    if (bytes.empty()) return 0;
    const ssize_t n = ::write(master_, bytes.data(), bytes.size());
    return n > 0 ? static_cast<size_t>(n) : 0;
}

int PtyPort::Unread() const {
    int waiting = 0;
    if (::ioctl(slave_, TIOCINQ, &waiting) != 0) return 0;
    return waiting;
}

void PtyPort::DropUnread() {
    ::tcflush(slave_, TCIFLUSH);
}

}  // namespace shortmsg::modemsim
