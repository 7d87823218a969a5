#pragma once
// Who may ask for the unit's position.
#include <string_view>

#include "gps/gps_outlets.h"
#include "gps/gps_state.h"

namespace shortmsg {

// With no allowed numbers set, anyone. Otherwise an SMS whose sender's digits are those of
// one of the numbers ("+44 7700 900123" and "447700900123" are the same number), or short
// burst data when "short burst queries" is allowed.
bool QueryAllowed(const GpsSettings& settings, Channel channel, std::string_view sender);

}  // namespace shortmsg
