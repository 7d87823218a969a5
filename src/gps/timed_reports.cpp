// GPS_LocationUpdateTimer: a position report every interval inside the window that a
// timed "GPSquery:" command set; the first tick after the window stops the timer.
#include "gps/gps_tracker.h"

namespace shortmsg {

void GpsTracker::GPS_LocationUpdateTimer_Timer() {
    const DateTime now = clock_.Now();
    if (now < state.GPS_ReportStart) return;
    if (now > state.GPS_ReportStop) {
        if (GPS_LocationUpdateTimer.Enabled()) GPS_LocationUpdateTimer.SetEnabled(false);
        return;
    }
    // The sentence goes as it is: void, or empty before the receiver sent one.
    if (ReportWaiting(Source::Timed)) return;
    SendReport(Source::Timed);
}

}  // namespace shortmsg
