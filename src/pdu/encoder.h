#pragma once
// The SMS-SUBMIT PDU the terminal sends, with the service-centre part in front.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

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
// UCS2: the UTF-16 units of a message in one part, and of each part of a message in parts
// (whose six-octet user-data header takes the room of three units).
inline constexpr int kMaxUnits = 70;
inline constexpr int kMaxUnitsPerPart = 67;

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

// A message as the terminal sends it, from UTF-8 text and address digits. A text the
// character table carries exactly (ConvertCarriedTextToGSMInto) goes as GSM 7-bit, exactly as
// EncodeSubmitPDU(ConvertTextToGSM(text), ...) builds it, in one PDU (more than 160 septets
// are refused). Any other text goes as UCS2 (TP-DCS 08): up to 70 UTF-16 units in one PDU
// without a header; longer texts in parts of at most 67 units, never splitting a surrogate
// pair, each with TP-UDHI set and a user-data header carrying `reference`, the number of
// parts and the part's number (at most 255 parts). The addresses are refused as by
// EncodeSubmitPDU. The PDUs come in the order of the parts.
Result<std::vector<std::string>> EncodeTextMessage(std::string_view utf8Text,
                                                   std::string_view destinationDigits,
                                                   const SubmitSettings& settings,
                                                   std::uint8_t reference);
// The same into reused strings; returns false (and leaves the reason in `error`) when
// refused, `pdus` then holding nothing useful.
bool EncodeTextMessageInto(std::string_view utf8Text, std::string_view destinationDigits,
                           const SubmitSettings& settings, std::uint8_t reference,
                           std::vector<std::string>& pdus, std::string& error);

// The length the terminal writes after "AT+CMGS=": octets of the whole PDU text,
// service-centre part included (an odd digit count rounded up).
int WholePduLength(std::string_view pduHex);
// The 3GPP TS 27.005 length: octets of the TPDU only, i.e. the whole PDU's octets minus
// one minus the value of the service-centre length octet.
int TpduLength(std::string_view pduHex);

}  // namespace shortmsg
