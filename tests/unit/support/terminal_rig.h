#pragma once
// A whole terminal on virtual time with scripted ports, for tests that drive its handlers
// directly: what the modem is sent is kept in `writes`, log files are kept in memory (any
// of them can be made to fail), and `errorBox` lists the texts the error box was given.
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/testing/virtual_services.h"
#include "ui/terminal.h"

namespace shortmsg::testing {

// Files in memory. A path in `failing` refuses every write.
class MemoryFiles : public TextFiles {
  public:
    bool Append(const std::string& path, std::string_view bytes, std::string& error) override {
        return Write(path, bytes, false, error);
    }
    bool Output(const std::string& path, std::string_view bytes, std::string& error) override {
        return Write(path, bytes, true, error);
    }

    std::map<std::string, std::string> content;
    std::set<std::string> failing;
    std::vector<std::string> order;  // the paths written, in order

  private:
    bool Write(const std::string& path, std::string_view bytes, bool replace, std::string& error) {
        if (failing.count(path) != 0) {
            error = "cannot write " + path;
            return false;
        }
        if (replace) content[path].clear();
        content[path].append(bytes);
        order.push_back(path);
        return true;
    }
};

// The texts the error box was given, one per change.
class ErrorBoxLog : public FormObserver {
  public:
    void ControlChanged(const Control& control, Property property, std::string_view, int) override {
        if (control.Name() != "ErrorMessageWindow" || property != Property::Text) return;
        texts.push_back(static_cast<const TextBox&>(control).Text());
    }
    void FormVisibilityChanged(const Form&) override {}
    std::vector<std::string> texts;
};

struct TerminalRig : VirtualServices {
    TerminalRig()
        : VirtualServices(
              [this](VirtualClock::Ms, std::string_view b) { writes.emplace_back(b); }) {}

    // Starts the terminal (Form_Load) with the modem port present.
    SMS& Start() {
        terminal.Start();
        return Sms();
    }
    SMS& Sms() { return terminal.Sms(); }
    OptionsForm& Options() { return terminal.Options(); }
    GpsTracker& Gps() { return terminal.Gps(); }
    GpsState& State() { return terminal.Gps().state; }

    // Bytes from the modem, waiting now; one service tick.
    void ModemSays(std::string_view bytes) { modem.Arrive(bytes); }
    void Tick() { Sms().Link().ServiceSerialPortMSComm1Timer_Timer(); }
    // What was written to the modem since the last call.
    std::string TakeWrites() {
        std::string all;
        for (const auto& w : writes) all += w;
        writes.clear();
        return all;
    }
    // The queue after the command written last: what still waits to go to the modem.
    std::string Waiting() { return Sms().Link().Queue().Waiting(); }
    // A message from `sender` reaches the GPS side as the main window hands it on.
    void Message(std::string_view text, Channel channel, std::string_view sender = "") {
        Gps().OnMessage({std::string(text), std::string(sender), channel, {}});
    }
    // The modem answers "OK" (and ">" after "AT+CMGS=") to every command until the queue
    // is empty; returns what was written meanwhile.
    std::string AnswerModem() {
        std::string written;
        for (int i = 0; i < 100 && !(Waiting().empty() && writes.empty()); ++i) {
            const bool prompt = !writes.empty() && writes.back().starts_with("AT+CMGS=");
            written += TakeWrites();
            modem.Arrive(prompt ? "\r\n> " : "\r\nOK\r\n");
            Tick();
        }
        return written;
    }
    // The command in flight times out: resent, or given up after three resends.
    void TimeOut() {
        Sms().Link().ResponseTimeOutTimer_Timer();
        Tick();
    }
    // One GPS_Timer1 tick on what the receiver sent.
    void GpsTick(std::string_view read) {
        gps.Arrive(read);
        Gps().GPS_Timer1_Timer();
    }

    std::vector<std::string> writes;
    MemoryFiles files;
    ErrorBoxLog errorBox;
    Terminal terminal{All(&files), &errorBox};
};

// A started terminal whose modem has answered the start-up commands, with "GPS Enable"
// checked (the receiver's port 3 open, queries answered).
struct GpsRig : TerminalRig {
    GpsRig() {
        Start();
        Options().EnableGPS.SetChecked(true);
        AnswerModem();
    }
};

// An RMC sentence without "$" and line end, at latitude ddmm.mmm `lat` and longitude
// dddmm.mmm `lon`, with its checksum.
inline std::string Rmc(std::string_view lat, std::string_view ns, std::string_view lon,
                       std::string_view ew, std::string_view status = "A",
                       std::string_view talker = "GPRMC") {
    std::string s(talker);
    s.append(",123519,").append(status).append(",").append(lat).append(",").append(ns);
    s.append(",").append(lon).append(",").append(ew).append(",022.4,084.4,230394,003.1,W");
    unsigned sum = 0;
    for (char c : s) sum ^= static_cast<unsigned char>(c);
    constexpr char kHex[] = "0123456789ABCDEF";
    return s.append(1, '*').append(1, kHex[sum >> 4]).append(1, kHex[sum & 15]);
}

// The sentence as the receiver sends it.
inline std::string Line(std::string_view sentence) {
    std::string line(1, '$');
    return line.append(sentence).append("\r\n");
}

}  // namespace shortmsg::testing
