#pragma once
// The GPS side of the terminal: receiver polling, position reports, the remote
// "GPSquery:" commands and the position logs. The modem link calls in here when a message
// arrives; the GPS side talks to the modem only by appending to the command queue.
#include <string>

#include "gps/gps_state.h"

namespace shortmsg {

class Terminal;

class GpsTracker {
  public:
    explicit GpsTracker(Terminal& app) : app_(app) {}

    GpsState state;

    // Timer ticks of the options window's GPS_Timer1 and GPS_LocationUpdateTimer.
    void GPS_Timer1_Timer();
    void GPS_LocationUpdateTimer_Timer();

    // A newly read SMS (ReceivedMessageText) or short burst text may hold a command.
    void GPSQueryFromSMS();
    void GPSQueryFromSBM(const std::string& text);
    // Logs a position sentence received from another unit.
    void StoreRxGPSPosition(const std::string& sentence, const std::string& number);

    void QueueGPSReportSMS(const std::string& destination);
    void QueueGPSReportSBM(const std::string& text);

  private:
    Terminal& app_;
};

}  // namespace shortmsg
