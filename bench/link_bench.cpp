// The service loop's throughput on recorded modem output, and the cost of an idle tick.
// The recording (data/modem_mix.txt) is a modem answering one command at a time: each cycle
// brings a new-message indication with its read (a 160-character message) and count, a
// status report, a sanity check's answers, phone-book entries and a send confirmation;
// the two commands it makes the terminal queue get their "OK" well within the ticks the
// cycle takes at 384 bytes a tick, so the queue stays short as it does on a real line.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>

#include "bench_services.h"
#include "ui/terminal.h"

namespace shortmsg {
namespace {

constexpr size_t kChunk = 384;  // what 19200 baud brings in 200 ms

std::string LoadMix() {
    std::ifstream in(SHORTMSG_BENCH_DATA "/modem_mix.txt", std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

// Feeds the recorded output one chunk per read, cyclically.
class ReplayPort : public bench::BenchPort {
  public:
    explicit ReplayPort(std::string data) : data_(std::move(data)) {}
    void Feed() { pending_ = true; }
    const std::string& Data() const { return data_; }

    int InBufferCount() override { return pending_ ? static_cast<int>(kChunk) : 0; }
    void DiscardInput() override { pending_ = false; }
    std::string Input() override {
        if (!pending_ || data_.empty()) return {};
        pending_ = false;
        std::string chunk = data_.substr(offset_, kChunk);
        offset_ += kChunk;
        if (offset_ >= data_.size()) offset_ = 0;
        return chunk;
    }
    // The rest of a reply arrives at once.
    bool WaitForInput(int) override { return pending_ = true; }

  private:
    std::string data_;
    size_t offset_ = 0;
    bool pending_ = false;
};

struct Rig {
    explicit Rig(std::string data) : modem(std::move(data)), gps({}) { terminal.Start(); }
    ReplayPort modem;
    ReplayPort gps;
    bench::QuietServices quiet;
    Terminal terminal{quiet.For(modem, gps)};
};

long PeakRssKib() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void service_loop(benchmark::State& state) {
    Rig rig(LoadMix());
    SMS& sms = rig.terminal.Sms();
    ModemLink& link = sms.Link();
    for (auto _ : state) {
        rig.modem.Feed();
        link.ServiceSerialPortMSComm1Timer_Timer();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kChunk);
    state.counters["peak_rss_kib"] = static_cast<double>(PeakRssKib());
    state.counters["writes"] = static_cast<double>(rig.modem.Writes());
    state.counters["queue_bytes"] = static_cast<double>(link.Queue().HeadAndWaiting().size());
    state.counters["rx_bytes"] = static_cast<double>(link.Received().Text().size());
    // The lines the run went through, and the items of the two lists that keep every
    // phone-book entry and status report by design (the rest of the memory stays flat).
    const std::string& mix = rig.modem.Data();
    const double linesPerByte = static_cast<double>(std::count(mix.begin(), mix.end(), '\n')) /
                                static_cast<double>(mix.size());
    state.counters["lines"] = linesPerByte * static_cast<double>(state.iterations() * kChunk);
    state.counters["list_items"] = static_cast<double>(
        sms.PhoneBook.ListCount() + rig.terminal.Options().MO_Message_Status.ListCount());
}
BENCHMARK(service_loop);

void service_tick_idle(benchmark::State& state) {
    Rig rig("\r\nOK\r\n");
    ModemLink& link = rig.terminal.Sms().Link();
    // The modem answers the start-up commands: then nothing is queued and the pump is free.
    for (int round = 0; link.Queue().HasNext(); ++round) {
        if (round == 100) {
            state.SkipWithError("the start-up queue never drained");
            return;
        }
        rig.modem.Feed();
        link.ServiceSerialPortMSComm1Timer_Timer();
    }
    rig.modem.Feed();
    link.ServiceSerialPortMSComm1Timer_Timer();
    for (auto _ : state) link.ServiceSerialPortMSComm1Timer_Timer();
}
BENCHMARK(service_tick_idle);

}  // namespace
}  // namespace shortmsg
