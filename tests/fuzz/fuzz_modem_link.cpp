// The modem link on the virtual clock against any modem output: the input is a script of
// modem chunks, timer ticks, operator sends, option changes and the port coming and going.
// After every step the receive buffer is within its bound and no tick took longer than its
// bounded waits; at the end a modem that answers every command drains the queue.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_script.h"
#include "link/modem_link.h"
#include "platform/testing/scripted_port.h"
#include "platform/testing/virtual_clock.h"

namespace {

using namespace shortmsg;

class NoView final : public LinkEvents {
    void ModemTextReceived(const std::string&) override {}
    void ServiceSupport(const std::string&, const std::string&) override {}
    void StorageCount(const std::string&) override {}
    void MessageAnnounced(const std::string&) override {}
    void MessageReceived(const MessageRead&) override {}
    void StatusReportReceived(const std::string&) override {}
    void ShortBurstTextReceived(const std::string&) override {}
    void SendConfirmed(int) override {}
    void SendFinished() override {}
    void PhoneBookCleared() override {}
    void PhoneBookEntryRead(const std::string&) override {}
    void CmsErrorReceived(const std::string&) override {}
    void ErrorReported(std::string_view text) override {
        if (text.empty()) __builtin_trap();
    }
    void ModemResetting() override {}
};

struct Rig {
    VirtualClock clock;
    PortAvailability ports;
    std::string lastWrite;
    long writes = 0;
    ScriptedPort modem{clock, ports, [this](VirtualClock::Ms, std::string_view bytes) {
                           lastWrite = bytes;
                           ++writes;
                       }};
    PeriodicTimer service{clock, 200, false}, sanity{clock, 60000, false},
        timeout{clock, 10000, false};
    LinkSettings settings;
    NoView view;
    ModemLink link{modem, LinkTimers{service, sanity, timeout}, clock, settings, view};

    // A tick's waits for the rest of replies share one 2 s budget.
    void Tick() {
        const VirtualClock::Ms before = clock.NowMs();
        link.ServiceSerialPortMSComm1Timer_Timer();
        if (clock.NowMs() - before > 2000) __builtin_trap();
    }
};

void CheckBounds(const Rig& rig) {
    if (rig.link.Received().Text().size() > kReceiveBufferLimit) __builtin_trap();
}

// A modem that answers every command: ">" to "AT+CMGS=", "OK" to the rest. Every tick
// writes at most one command; a command the link does not take the answer for times out
// (and is given up after its resends). So the queue empties within a bounded number of
// ticks per line.
void DrainWithAnsweringModem(Rig& rig) {
    rig.ports.SetPresent("1", true);
    if (!rig.modem.PortOpen()) rig.modem.Open();
    std::size_t lines = 0;
    for (char c : rig.link.Queue().Waiting()) lines += c == '\n';
    for (std::size_t i = 0; i < 6 * (lines + 2) && rig.link.Queue().HasNext(); ++i) {
        const bool prompt = rig.lastWrite.starts_with("AT+CMGS=");
        const long before = rig.writes;
        rig.modem.Arrive(prompt ? "\r\n> " : "\r\nOK\r\n");
        rig.Tick();
        if (rig.writes == before) {
            rig.link.ResponseTimeOutTimer_Timer();
            rig.Tick();
        }
        CheckBounds(rig);
    }
    if (rig.link.Queue().HasNext()) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Rig rig;
    FuzzScript script{std::string_view(reinterpret_cast<const char*>(data), size)};
    if (rig.link.OpenPort()) rig.link.Start();
    while (script.More()) {
        switch (script.Byte() % 8) {
            case 0:
                rig.modem.Arrive(script.Text(128));
                break;
            case 1:
                rig.Tick();
                break;
            case 2:
                rig.link.ResponseTimeOutTimer_Timer();
                rig.Tick();
                break;
            case 3:
                rig.link.SanityTimer_Timer();
                break;
            case 4:
                rig.link.QueueTextMessage(script.Text(100), "+447700900123");
                break;
            case 5:
                rig.link.QueueSbdMessage(script.Text(100));
                break;
            case 6: {
                const std::uint8_t which = script.Byte();
                rig.settings.sbmEnabled = (which & 1) != 0;
                rig.settings.registered = (which & 2) != 0;
                rig.settings.useScaInPhone = (which & 4) == 0;
                break;
            }
            default:
                rig.ports.SetPresent("1", (script.Byte() & 1) != 0);
                break;
        }
        CheckBounds(rig);
    }
    DrainWithAnsweringModem(rig);
    return 0;
}
