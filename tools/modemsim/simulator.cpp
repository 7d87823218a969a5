#include "simulator.h"

#include <algorithm>
#include <cstdint>
#include <ctime>

#include "nmea.h"

namespace shortmsg::modemsim {
namespace {

// 4800 baud, 10 bits a character: 480 characters a second.
constexpr std::int64_t kGpsCharsPerSecond = 480;
constexpr std::int64_t kGpsSetMs = 1000;
// A receiver's output nobody reads is lost rather than piled up.
constexpr int kGpsBacklogLimit = 2048;
// The short burst message --mail puts at the gateway.
constexpr std::string_view kGatewayMail = "Mail from the gateway";

// The network's and the satellites' time: UTC, whatever the machine's zone.
DateTime UtcNow() {
    return DateTime{static_cast<std::int64_t>(std::time(nullptr))};
}

}  // namespace

Simulator::Simulator(const Arguments& arguments, PtyPort& modemPort, PtyPort& gpsPort,
                     std::ostream& log)
    : modemPort_(modemPort),
      gpsPort_(gpsPort),
      log_(log),
      everyMs_(static_cast<std::int64_t>(arguments.every * 1000)),
      firstMs_(static_cast<std::int64_t>(arguments.first * 1000)),
      silenceStartMs_(static_cast<std::int64_t>(arguments.silenceStart * 1000)),
      silenceEndMs_(silenceStartMs_ + static_cast<std::int64_t>(arguments.silenceSeconds * 1000)),
      mailMs_(arguments.mail < 0 ? -1 : static_cast<std::int64_t>(arguments.mail * 1000)) {}

void Simulator::Step(std::int64_t nowMs) {
    ServeModem(nowMs);
    ServeGps(nowMs);
    Flush(nowMs);
    for (const std::string& line : modem_.TakeLog()) log_ << "modem " << line << '\n';
    log_.flush();
}

// A silent modem hears nothing and announces nothing (a message due meanwhile comes after).
void Simulator::ServeModem(std::int64_t nowMs) {
    const std::string written = modemPort_.Read();
    if (nowMs >= silenceStartMs_ && nowMs < silenceEndMs_) {
        if (!written.empty()) log_ << "modem (silent) ignores " << written.size() << " bytes\n";
        return;
    }
    modemOut_ += modem_.Receive(written);
    if (initialisedMs_ < 0 && modem_.Initialised()) {
        initialisedMs_ = nowMs;
        nextAnnounceMs_ = nowMs + firstMs_;
    }
    if (mailMs_ >= 0 && initialisedMs_ >= 0 && nowMs >= initialisedMs_ + mailMs_) {
        modemOut_ += modem_.ShortBurstArrives(std::string(kGatewayMail));
        mailMs_ = -1;
    }
    if (nextAnnounceMs_ >= 0 && nowMs >= nextAnnounceMs_) {
        modemOut_ += modem_.Announce(UtcNow());
        // With no repeat wanted the next one never comes.
        nextAnnounceMs_ = everyMs_ > 0 ? nextAnnounceMs_ + everyMs_ : INT64_MAX;
    }
}

void Simulator::ServeGps(std::int64_t nowMs) {
    const std::string written = gpsPort_.Read();
    if (!written.empty()) log_ << "gps <- " << written.size() << " bytes\n";
    if (nowMs < nextGpsSetMs_) return;
    if (gpsPort_.Unread() > kGpsBacklogLimit) gpsPort_.DropUnread();
    gpsOut_ += SentenceSet(TrackAt(static_cast<double>(nowMs) / 1000.0), ToCivil(UtcNow()));
    nextGpsSetMs_ += kGpsSetMs;
}

void Simulator::Flush(std::int64_t nowMs) {
    modemOut_.erase(0, modemPort_.Write(modemOut_));
    // The line lets through as many characters as have had time to go since it last
    // caught up.
    gpsPacedMs_ = std::max(gpsPacedMs_, nowMs - 1000);
    const std::int64_t room = (nowMs - gpsPacedMs_) * kGpsCharsPerSecond / 1000;
    const size_t sent = gpsPort_.Write(
        std::string_view(gpsOut_).substr(0, static_cast<size_t>(std::max<std::int64_t>(room, 0))));
    gpsOut_.erase(0, sent);
    gpsPacedMs_ += static_cast<std::int64_t>(sent) * 1000 / kGpsCharsPerSecond;
    if (gpsOut_.empty()) gpsPacedMs_ = std::max(gpsPacedMs_, nowMs);
}

}  // namespace shortmsg::modemsim
