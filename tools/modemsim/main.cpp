// shortmsg-modemsim: a simulated phone modem and GPS receiver on pseudo-terminals, for the
// demo and the end-to-end tests.
#include <poll.h>
#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "arguments.h"
#include "pty_port.h"
#include "simulator.h"

namespace {

using namespace shortmsg::modemsim;

constexpr int kRoundMs = 20;

// SIGINT, SIGTERM and SIGHUP arrive as readable data on a descriptor (-1 on failure).
int StopSignals() {
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    sigaddset(&signals, SIGHUP);
    sigprocmask(SIG_BLOCK, &signals, nullptr);
    signal(SIGPIPE, SIG_IGN);
    return signalfd(-1, &signals, SFD_CLOEXEC);
}

int Run(const Arguments& arguments) {
    std::error_code ec;
    const std::filesystem::path folder(arguments.ports);
    std::filesystem::create_directories(folder, ec);
    std::string error;
    const auto modem = PtyPort::Open(folder / "COM1", error);
    const auto gps = modem ? PtyPort::Open(folder / "COM3", error) : nullptr;
    if (!modem || !gps) {
        std::cerr << "shortmsg-modemsim: " << error << '\n';
        return 1;
    }
    std::cout << "modemsim: modem on " << (folder / "COM1").string() << " -> " << modem->Device()
              << ", GPS receiver on " << (folder / "COM3").string() << " -> " << gps->Device()
              << std::endl;

    const int stop = StopSignals();
    Simulator simulator(arguments, *modem, *gps, std::cout);
    const auto start = std::chrono::steady_clock::now();
    const auto limitMs = static_cast<std::int64_t>(arguments.seconds * 1000);
    for (;;) {
        std::vector<pollfd> fds = {{modem->Fd(), POLLIN, 0}, {gps->Fd(), POLLIN, 0}};
        if (stop >= 0) fds.push_back({stop, POLLIN, 0});
        ::poll(fds.data(), fds.size(), kRoundMs);
        const std::int64_t nowMs = std::chrono::duration_cast<std::chrono::milliseconds>(
                                       std::chrono::steady_clock::now() - start)
                                       .count();
        if (stop >= 0 && (fds.back().revents & POLLIN) != 0) {
            std::cout << "modemsim: stopped by a signal" << std::endl;
            break;
        }
        simulator.Step(nowMs);
        if (limitMs > 0 && nowMs >= limitMs) {
            std::cout << "modemsim: run time over" << std::endl;
            break;
        }
    }
    if (stop >= 0) ::close(stop);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::string error;
    const auto arguments = ParseArguments(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!arguments) {
        std::cerr << "shortmsg-modemsim: " << error << '\n' << kUsage;
        return 2;
    }
    if (arguments->help) {
        std::cout << kUsage;
        return 0;
    }
    return Run(*arguments);
}
