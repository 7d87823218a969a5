#pragma once
// The SMS-SUBMIT PDU the terminal sends, with the service-centre part in front.
#include <string>
#include <string_view>

#include "pdu/result.h"

namespace shortmsg {

// The options-window settings the encoder reads.
struct SubmitSettings {
    bool UseSCAinPhone = true;         // "Default SCA": no service-centre address in the PDU
    bool RegisteredSM = false;         // "Registered": status report requested
    std::string ServiceCenterAddress;  // digits, used as typed when UseSCAinPhone is clear
};

// The longest user data one message carries, in septets.
inline constexpr int kMaxSeptets = 160;

// `gsm` is the GSM code string (ConvertTextToGSM output), `destination` the address digits
// (ConvertDialedDigits output). Refuses a text of more than 160 septets, a destination with
// anything but digits, "A" and "B", and a service-centre number (when one is sent) with
// anything but digits.
Result<std::string> EncodeSubmitPDU(std::string_view gsm, std::string_view destination,
                                    const SubmitSettings& settings);
// The same into a reused string; returns false (and leaves the reason in `error`) when
// refused.
bool EncodeSubmitPDUInto(std::string_view gsm, std::string_view destination,
                         const SubmitSettings& settings, std::string& out, std::string& error);

// The length the terminal writes after "AT+CMGS=": octets of the whole PDU text,
// service-centre part included (an odd digit count rounded up).
int WholePduLength(std::string_view pduHex);
// The 3GPP TS 27.005 length: octets of the TPDU only, i.e. the whole PDU's octets minus
// one minus the value of the service-centre length octet.
int TpduLength(std::string_view pduHex);

}  // namespace shortmsg
