#pragma once
// SMS-DELIVER PDUs as the simulated modem stores them, with its service centre in front.
#include <string>
#include <string_view>

#include "platform/date_time.h"

namespace shortmsg::modemsim {

// The simulated network's service centre.
inline constexpr std::string_view kServiceCentre = "447700090000";

struct DeliverPdu {
    std::string hex;  // the whole PDU, service-centre part first
    int tpduOctets;   // the length "+CMGR:" and "+CMGL:" give
};

// `sender` in international form without "+", `text` in Latin-1 (GSM 7-bit default
// alphabet, at most 160 septets), `stamp` the service-centre time (zone +00).
DeliverPdu BuildDeliverPdu(std::string_view sender, std::string_view text, DateTime stamp);

}  // namespace shortmsg::modemsim
