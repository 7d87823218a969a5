// Remote "GPSquery:" texts of every form, arriving by SMS and as short burst data, between
// receiver sentences and stretches of time in which the GPS timers run. Whatever the texts
// say: the report timer runs at 1 s to one day or not at all, the distance threshold is a
// number of kilometres or tracking is off, and reports never pile up in the modem's queue.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_script.h"
#include "gps/threshold.h"
#include "platform/testing/virtual_services.h"
#include "ui/terminal.h"

namespace {

using namespace shortmsg;

constexpr std::string_view kSentences[] = {
    "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A\r\n",
    "$GPRMC,123520,A,4808.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A\r\n",
    "$GPRMC,123521,V,,,,,,,230394,,,N*53\r\n",
    "$GNRMC,123522,A,4807.038,S,01131.000,W,022.4,084.4,230394,003.1,W*6A\r\n",
};

std::size_t Lines(const std::string& text) {
    std::size_t lines = 0;
    for (char c : text) lines += c == '\n';
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    VirtualServices services;
    VirtualClock& clock = services.clock;
    ScriptedPort &modem = services.modem, &receiver = services.gps;
    Terminal terminal(services.All());
    terminal.Start();
    OptionsForm& options = terminal.Options();
    options.EnableGPS.SetChecked(true);
    options.StoreRxGPS.SetChecked(true);
    GpsTracker& gps = terminal.Gps();

    FuzzScript script{std::string_view(reinterpret_cast<const char*>(data), size)};
    std::size_t messages = 0;
    while (script.More()) {
        const std::uint8_t op = script.Byte();
        switch (op % 4) {
            case 0:
                ++messages;
                terminal.MessageForGps(
                    {std::string(script.Text(96)), "+447700900123", Channel::Sms, {"1"}});
                break;
            case 1:
                ++messages;
                options.SBM_Enabled.SetChecked(true);
                modem.Arrive("\r\n+SBDRT:\r\n" + std::string(script.Text(96)) + "\r\n");
                clock.RunUntil(clock.NowMs() + 200);
                options.SBM_Enabled.SetChecked((op & 4) != 0);
                break;
            case 2:
                receiver.Arrive(kSentences[(op >> 2) % std::size(kSentences)]);
                clock.RunUntil(clock.NowMs() + 500);
                break;
            default:
                clock.RunUntil(clock.NowMs() + 1000 * static_cast<std::int64_t>(script.Byte()));
                break;
        }
        const PeriodicTimer& timer = options.GPS_LocationUpdateTimer;
        if (timer.Enabled() && (timer.Interval() < 1000 || timer.Interval() > 86400000)) {
            __builtin_trap();
        }
        const double km = DistanceThresholdKm(gps.state.GPS_DistanceThreshold);
        if (!std::isfinite(km) || km < 0) __builtin_trap();
        // A reply per message (an SMS is four lines, a deletion one more), and at most one
        // waiting report per source, behind the eight start-up commands.
        const std::size_t waiting = Lines(terminal.Sms().Link().Queue().Waiting());
        if (waiting > 8 + 5 * messages + 2 * 4) __builtin_trap();
    }
    return 0;
}
