#pragma once
// The GPS side of the terminal: receiver polling, position reports, the remote
// "GPSquery:" commands and the position logs. It gets the messages it acts on as
// arguments, queues its messages through a ReportSink and shows what it does on a GpsView.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "gps/gps_outlets.h"
#include "gps/gps_state.h"
#include "platform/periodic_timer.h"
#include "platform/serial_port.h"
#include "platform/services.h"

namespace shortmsg {

struct GpsQuery;

// A message just received and shown: its text, its sender's number, how it came, and for an
// SMS the store indexes it was read from (every part of a message in parts).
struct ReceivedMessage {
    std::string text;
    std::string sender;
    Channel channel = Channel::Sms;
    std::vector<std::string> storeIndexes;
};

class GpsTracker {
  public:
    GpsTracker(SerialPort& GPSComm1, PeriodicTimer& GPS_LocationUpdateTimer, Clock& clock,
               TextFiles& files, const GpsSettings& settings, ReportSink& sink, GpsView& view);

    GpsState state;

    // Timer ticks of GPS_Timer1 (the receiver polling) and GPS_LocationUpdateTimer.
    void GPS_Timer1_Timer();
    void GPS_LocationUpdateTimer_Timer();

    // A newly received message: a "GPSquery:" in it is answered (while "GPS Enable" is
    // checked and its sender may ask), by the way it came; a position sentence in an SMS is
    // logged and the message deleted from the store (while "Store Rx GPS" is checked).
    void OnMessage(const ReceivedMessage& message);

    // Logs a position sentence received from another unit. A file that cannot be written
    // is reported; the other files are still written.
    void StoreRxGPSPosition(const std::string& sentence, const std::string& number);

  private:
    // Where a report comes from. Distance and timed reports come from timers, whatever the
    // modem is doing: with a slow modem each tick would add one more message, and the queue
    // and what the messages cost would grow without bound. So each source holds back its
    // next report while its last one still waits with none of its lines written.
    enum class Source { Distance, Timed };

    // One position message carrying `text`; its number (0: nothing queued).
    int QueueGPSReportSMS(const std::string& destination, const std::string& text);
    int QueueGPSReportSBM(const std::string& text);
    // GPS_LastSentence (up to any control character in it) goes to `to` and shows in the
    // compose box; the message's number. Nothing goes to an SMS recipient without a number.
    int SendLastSentence(const Recipient& to);
    // Whether the last report from `source` still waits, unwritten, in the queue.
    bool ReportWaiting(Source source) const;
    // A report from `source`, back the way the query that started it came.
    void SendReport(Source source);

    void AnswerQuery(std::string_view text, const Recipient& from);
    void StartTimedReports(const GpsQuery& query, const Recipient& from);
    void StartDistanceTracking(const std::string& threshold, const Recipient& from);

    SerialPort& GPSComm1;
    PeriodicTimer& GPS_LocationUpdateTimer;
    Clock& clock_;
    TextFiles& files_;
    const GpsSettings& settings_;
    ReportSink& sink_;
    GpsView& view_;
    std::array<int, 2> lastReports_{};  // the message number of each Source's last report
};

}  // namespace shortmsg
