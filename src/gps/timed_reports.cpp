// GPS_LocationUpdateTimer: a position report every interval inside the window that a
// timed "GPSquery:" command set; the first tick after the window stops the timer.
#include "gps/gps_tracker.h"
#include "ui/terminal.h"

namespace shortmsg {

void GpsTracker::GPS_LocationUpdateTimer_Timer() {
    const DateTime now = app_.services.clock.Now();
    if (now < state.GPS_ReportStart) return;
    if (now > state.GPS_ReportStop) {
        Timer& timer = app_.Options().GPS_LocationUpdateTimer;
        if (timer.Enabled()) timer.SetEnabled(false);
        return;
    }
    // The sentence goes as it is: void, or empty before the receiver sent one.
    if (ReportWaiting(Source::Timed)) return;
    SendReport(Source::Timed);
}

}  // namespace shortmsg
