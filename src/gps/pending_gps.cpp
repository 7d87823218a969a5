// Placeholder bodies for the GPS side until it is built; each does nothing.
#include "gps/gps_tracker.h"

namespace shortmsg {

void GpsTracker::GPS_Timer1_Timer() {}
void GpsTracker::GPS_LocationUpdateTimer_Timer() {}
void GpsTracker::GPSQueryFromSMS() {}
void GpsTracker::GPSQueryFromSBM(const std::string&) {}
void GpsTracker::StoreRxGPSPosition(const std::string&, const std::string&) {}
void GpsTracker::QueueGPSReportSMS(const std::string&) {}
void GpsTracker::QueueGPSReportSBM(const std::string&) {}

}  // namespace shortmsg
