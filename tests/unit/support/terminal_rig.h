#pragma once
// A whole terminal on virtual time with scripted ports, for tests that drive handlers
// directly: what the modem receives is collected in `modemWrites`.
#include <string>
#include <vector>

#include "platform/scripted_port.h"
#include "platform/virtual_clock.h"
#include "ui/terminal.h"

namespace shortmsg::testing {

class RecordingBox : public MessageBox {
  public:
    void Show(const std::string& text) override { shown.push_back(text); }
    std::vector<std::string> shown;
};

class EndFlag : public ProgramEnd {
  public:
    void End() override { ended = true; }
    bool ended = false;
};

class MemoryFiles : public TextFiles {
  public:
    bool Append(const std::string& path, std::string_view bytes, std::string&) override {
        written.push_back(path + ":" + std::string(bytes));
        return true;
    }
    bool Output(const std::string& path, std::string_view bytes, std::string& e) override {
        return Append(path, bytes, e);
    }
    std::vector<std::string> written;
};

struct TerminalRig {
    TerminalRig() = default;

    // Starts the terminal (Form_Load) with the modem port present.
    SMS& Start() {
        terminal.Start();
        return terminal.Sms();
    }
    // Bytes from the modem, waiting now.
    void ModemSays(std::string_view bytes) { modem.Arrive(bytes); }
    void Tick() { terminal.Sms().ServiceSerialPortMSComm1Timer_Timer(); }
    std::string TakeWrites() {
        std::string all;
        for (const auto& w : modemWrites) all += w;
        modemWrites.clear();
        return all;
    }

    VirtualClock clock;
    PortAvailability ports;
    std::vector<std::string> modemWrites;
    ScriptedPort modem{clock, ports, [this](VirtualClock::Ms, std::string_view b) {
                           modemWrites.emplace_back(b);
                       }};
    ScriptedPort gps{clock, ports};
    RecordingBox box;
    EndFlag end;
    MemoryFiles files;
    Terminal terminal{Services{modem, gps, clock, clock, box, end, files}};
};

}  // namespace shortmsg::testing
