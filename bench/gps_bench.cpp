// One GPS_Timer1 tick: a 240-character read (what 4800 baud brings in 500 ms) holding GGA,
// GSA and RMC sentences, distance tracking on, no report due.
#include <benchmark/benchmark.h>

#include <string>

#include "bench_services.h"
#include "ui/terminal.h"

namespace shortmsg {
namespace {

// Recorded from a Garmin 48 (tests/data/nmea-logs/garmin48.log), with the start of the next
// GSV sentence that the same half second brings: 240 characters in all.
const std::string kRead =
    "$GPGGA,225308,4527.458,S,16709.165,E,1,05,2.1,14.7,M,1.1,M,,*53\r\n"
    "$GPGSA,A,3,01,,,,13,20,22,,,,28,,3.1,2.1,2.0*3A\r\n"
    "$GPRMC,225308,A,4527.458,S,16709.165,E,000.0,094.5,060601,024.1,E*6D\r\n"
    "$GPGSV,3,1,12,01,29,257,42,03,02,030,00,0";

// The receiver: the same read waiting on every tick.
class ReceiverPort : public bench::BenchPort {
  public:
    int InBufferCount() override { return static_cast<int>(kRead.size()); }
    void DiscardInput() override {}
    std::string Input() override { return kRead; }
    bool WaitForInput(int) override { return true; }
};

void gps_tick(benchmark::State& state) {
    ReceiverPort modem, receiver;
    bench::QuietServices quiet;
    Terminal app(quiet.For(modem, receiver));
    app.Start();
    receiver.Open();
    GpsTracker& gps = app.Gps();
    // Tracking on, 1 km from the reference point, the threshold far beyond: the distance is
    // computed and shown on every tick, no report is due.
    gps.state.GPS_DistanceThreshold = "50";
    gps.state.GPS_RefLatitude = -45.4576333 + 0.009;
    gps.state.GPS_RefLongitude = 167.15275;
    const size_t queued = app.Sms().Link().Queue().Waiting().size();
    for (auto _ : state) gps.GPS_Timer1_Timer();
    if (app.Sms().Link().Queue().Waiting().size() != queued ||
        app.Sms().DistanceMovedDisplay.Text().empty()) {
        state.SkipWithError("the tick did not track the distance without reporting");
    }
}
BENCHMARK(gps_tick);

}  // namespace
}  // namespace shortmsg
