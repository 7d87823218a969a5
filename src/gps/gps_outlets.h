#pragma once
// What the GPS side needs from the rest of the terminal: a way to queue position messages
// for the modem (ReportSink) and a place to show what it does (GpsView). The terminal wires
// both; the GPS side knows neither the modem link nor the windows.
#include <string>
#include <string_view>

namespace shortmsg {

class ReportSink {
  public:
    virtual ~ReportSink() = default;
    // Queue a position message; each returns the message's number (0 when nothing was
    // queued, e.g. an SMS the encoder refused).
    virtual int QueueSms(const std::string& destination, const std::string& text) = 0;
    virtual int QueueSbd(const std::string& text) = 0;
    // Queue the deletion of a message from the phone's store.
    virtual void DeleteStoredMessage(const std::string& storeIndex) = 0;
    // Whether message `message` still waits in the modem's queue with none of its lines
    // written yet (false for 0).
    virtual bool Unwritten(int message) const = 0;
};

class GpsView {
  public:
    virtual ~GpsView() = default;
    virtual void ShowSentence(const std::string& sentence) = 0;  // the last sentence read
    virtual void ShowDistance(const std::string& km) = 0;        // the distance moved
    virtual void ShowReport(const std::string& sentence) = 0;    // a report going out
    virtual void ShowError(std::string_view text) = 0;
};

// The options the GPS side acts on, as the options window holds them.
struct GpsSettings {
    bool enableGps = false;   // "GPS Enable": remote queries are answered
    bool storeRxGps = false;  // "Store Rx GPS": positions received by SMS are logged
    // The numbers that may ask for the position, separated by commas, semicolons or line
    // breaks (empty: anyone), and whether a query by short burst data is answered while the list
    // is set.
    std::string allowedNumbers;
    bool shortBurstQueries = false;
};

}  // namespace shortmsg
