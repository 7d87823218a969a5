#pragma once
// The GPS side of the terminal: receiver polling, position reports, the remote
// "GPSquery:" commands and the position logs. The modem link calls in here when a message
// arrives; the GPS side talks to the modem only by appending to the command queue.
#include <array>
#include <string>
#include <string_view>

#include "gps/gps_state.h"

namespace shortmsg {

class Terminal;
struct GpsQuery;

class GpsTracker {
  public:
    explicit GpsTracker(Terminal& app) : app_(app) {}

    GpsState state;

    // Timer ticks of the options window's GPS_Timer1 and GPS_LocationUpdateTimer.
    void GPS_Timer1_Timer();
    void GPS_LocationUpdateTimer_Timer();

    // A newly read SMS (ReceivedMessageText) or short burst text may hold a command. The
    // reply goes back the way the command came: by SMS to FromAddress, or as short burst
    // data.
    void GPSQueryFromSMS();
    void GPSQueryFromSBM(const std::string& text);
    // Logs a position sentence received from another unit. A file that cannot be written
    // is reported in the error box; the other files are still written.
    void StoreRxGPSPosition(const std::string& sentence, const std::string& number);

    // Queue one position message carrying `text` whole (not the compose box's copy of it,
    // which the box's maximum length may have cut).
    void QueueGPSReportSMS(const std::string& destination, const std::string& text);
    void QueueGPSReportSBM(const std::string& text);

  private:
    enum class Channel { Sms, ShortBurst };
    // Where a report comes from; each source holds back its next report while its last
    // one still waits in the queue (gps/report_queue.h).
    enum class Source { Distance, Timed };

    // The compose box shows GPS_LastSentence, and the sentence goes out by `channel`.
    void SendLastSentence(Channel channel);
    // Whether the last report from `source` still waits, unwritten, in the queue.
    bool ReportWaiting(Source source) const;
    // A report from `source`, by the channel that "SBM Enabled" chooses now.
    void SendReport(Source source);

    void AnswerQuery(std::string_view text, Channel replyChannel);
    void StartTimedReports(const GpsQuery& query);
    void StartDistanceTracking(const std::string& threshold, Channel replyChannel);

    Terminal& app_;
    std::array<std::string, 2> lastReportLines_;  // by Source
};

}  // namespace shortmsg
