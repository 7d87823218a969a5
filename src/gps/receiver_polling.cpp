// GPS_Timer1: every half second, the newest position sentence from the receiver, and the
// distance-triggered report.
#include "gps/gps_tracker.h"
#include "gps/number_text.h"
#include "gps/rmc_sentence.h"
#include "gps/threshold.h"
#include "ui/terminal.h"

namespace shortmsg {

void GpsTracker::GPS_Timer1_Timer() {
    OptionsForm& options = app_.Options();
    SerialPort& port = options.GPSComm1;
    if (port.InBufferCount() == 0) return;
    if (!port.PortOpen()) port.Open();
    // Whatever this tick does not use (other sentences, later RMC sentences) is dropped.
    const std::string read = port.Input();
    const std::optional<std::string_view> sentence = TakeRmcSentence(read);
    if (!sentence) return;
    state.GPS_LastSentence.assign(*sentence);
    options.GPS_Window.SetText(state.GPS_LastSentence);

    const double threshold = DistanceThresholdKm(state.GPS_DistanceThreshold);
    if (threshold == 0) return;  // distance tracking is off
    DecodeGPRMC(state.GPS_LastSentence, state);
    if (!state.GPS_FixValid) return;
    if (!ComputeDistanceMoved(state)) return;  // still on the reference point
    app_.Sms().DistanceMovedDisplay.SetText(FormatGeneralNumber(state.GPS_DistanceMoved));
    if (!(state.GPS_DistanceMoved > threshold)) return;
    // While the last report waits in the queue the reference point stays, so the report
    // goes out, with the newest sentence, on the first tick after the queue moved on.
    if (ReportWaiting(Source::Distance)) return;
    state.GPS_RefLatitude = state.GPS_Latitude;
    state.GPS_RefLongitude = state.GPS_Longitude;
    SendReport(Source::Distance);
}

}  // namespace shortmsg
