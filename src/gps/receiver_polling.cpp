// GPS_Timer1: every half second, the newest position sentence from the receiver, and the
// distance-triggered report.
#include "gps/gps_tracker.h"
#include "gps/number_text.h"
#include "gps/rmc_sentence.h"
#include "gps/threshold.h"

namespace shortmsg {

GpsTracker::GpsTracker(SerialPort& gpsPort, PeriodicTimer& locationUpdateTimer, Clock& clock,
                       TextFiles& files, const GpsSettings& settings, ReportSink& sink,
                       GpsView& view)
    : GPSComm1(gpsPort),
      GPS_LocationUpdateTimer(locationUpdateTimer),
      clock_(clock),
      files_(files),
      settings_(settings),
      sink_(sink),
      view_(view) {
    GPS_LocationUpdateTimer.OnTimer = [this] { GPS_LocationUpdateTimer_Timer(); };
}

// A receiver port that closed (its device went away) is tried again on every tick, so the
// positions come back with the device.
void GpsTracker::GPS_Timer1_Timer() {
    if (!GPSComm1.PortOpen() && !GPSComm1.Open()) return;
    if (GPSComm1.InBufferCount() == 0) return;
    // Whatever this tick does not use (other sentences, later RMC sentences) is dropped.
    const std::string read = GPSComm1.Input();
    const std::optional<std::string_view> sentence = TakeRmcSentence(read);
    if (!sentence) return;
    state.GPS_LastSentence.assign(*sentence);
    view_.ShowSentence(state.GPS_LastSentence);

    const double threshold = DistanceThresholdKm(state.GPS_DistanceThreshold);
    if (threshold == 0) return;  // distance tracking is off
    DecodeGPRMC(state.GPS_LastSentence, state);
    if (!state.GPS_FixValid) return;
    if (!ComputeDistanceMoved(state)) return;  // still on the reference point
    view_.ShowDistance(FormatGeneralNumber(state.GPS_DistanceMoved));
    if (!(state.GPS_DistanceMoved > threshold)) return;
    // While the last report waits in the queue the reference point stays, so the report
    // goes out, with the newest sentence, on the first tick after the queue moved on.
    if (ReportWaiting(Source::Distance)) return;
    state.GPS_RefLatitude = state.GPS_Latitude;
    state.GPS_RefLongitude = state.GPS_Longitude;
    SendReport(Source::Distance);
}

}  // namespace shortmsg
