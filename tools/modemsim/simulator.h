#pragma once
// The simulator over time: the modem answers what the terminal writes, a new message
// arrives now and then once the terminal is initialised, and the GPS receiver sends a set
// of sentences every second at the pace of a 4800-baud line.
#include <cstdint>
#include <ostream>
#include <string>

#include "arguments.h"
#include "modem.h"
#include "pty_port.h"

namespace shortmsg::modemsim {

class Simulator {
  public:
    Simulator(const Arguments& arguments, PtyPort& modemPort, PtyPort& gpsPort, std::ostream& log);

    // One round at `nowMs` (milliseconds since start): reads both ports, answers, announces,
    // and sends what the GPS line has room for.
    void Step(std::int64_t nowMs);

  private:
    void ServeModem(std::int64_t nowMs);
    void ServeGps(std::int64_t nowMs);
    void Flush(std::int64_t nowMs);

    PtyPort& modemPort_;
    PtyPort& gpsPort_;
    std::ostream& log_;
    Modem modem_;
    std::int64_t everyMs_;
    std::int64_t firstMs_;
    std::int64_t silenceStartMs_;
    std::int64_t silenceEndMs_;
    std::int64_t mailMs_;               // below 0: no short burst message (still) to come
    std::int64_t nextAnnounceMs_ = -1;  // -1: not before the initialisation
    std::int64_t initialisedMs_ = -1;
    std::string modemOut_;
    std::string gpsOut_;
    std::int64_t nextGpsSetMs_ = 0;
    std::int64_t gpsPacedMs_ = 0;  // the GPS line has sent everything due up to here
};

}  // namespace shortmsg::modemsim
