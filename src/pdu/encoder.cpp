#include "pdu/encoder.h"

#include "pdu/alphabet.h"
#include "pdu/codec_errors.h"
#include "pdu/dialled.h"
#include "pdu/hex.h"

namespace shortmsg {
namespace {

// The longest numbers whose length still fits the one-octet length fields.
constexpr std::size_t kMaxDestinationDigits = 255;
constexpr std::size_t kMaxServiceCenterDigits = 2 * (255 - 1);

// First octet and TP-MR: SMS-SUBMIT with a relative validity period, with or without
// a status report request.
constexpr std::string_view kSubmitHeader = "1100";
constexpr std::string_view kSubmitHeaderRegistered = "3100";
constexpr std::string_view kInternationalNumber = "91";
// TP-PID 00, TP-DCS 00 (GSM 7-bit), TP-VP AA (four days).
constexpr std::string_view kPidDcsValidity = "0000AA";

}  // namespace

bool EncodeSubmitPDUInto(std::string_view gsm, std::string_view destination,
                         const SubmitSettings& settings, std::string& out, std::string& error) {
    if (gsm.size() > static_cast<std::size_t>(kMaxSeptets)) {
        error = codec_errors::kMessageTooLong;
        return false;
    }
    if (destination.size() > kMaxDestinationDigits) {
        error = codec_errors::kDestinationTooLong;
        return false;
    }
    const std::string& sca = settings.ServiceCenterAddress;
    if (!settings.UseSCAinPhone && sca.size() > kMaxServiceCenterDigits) {
        error = codec_errors::kServiceCenterTooLong;
        return false;
    }
    out.clear();
    if (settings.UseSCAinPhone) {
        out.append("00");
    } else {
        hex::AppendOctet(out, static_cast<unsigned>((sca.size() + 1) / 2 + 1));
        out.append(kInternationalNumber);
        ToSemiOctetsInto(sca, out);
    }
    out.append(settings.RegisteredSM ? kSubmitHeaderRegistered : kSubmitHeader);
    hex::AppendOctet(out, static_cast<unsigned>(destination.size()));
    out.append(kInternationalNumber);
    ToSemiOctetsInto(destination, out);
    out.append(kPidDcsValidity);
    hex::AppendOctet(out, static_cast<unsigned>(gsm.size()));
    PackSeptetsInto(gsm, out);
    return true;
}

Result<std::string> EncodeSubmitPDU(std::string_view gsm, std::string_view destination,
                                    const SubmitSettings& settings) {
    std::string pdu;
    std::string error;
    if (!EncodeSubmitPDUInto(gsm, destination, settings, pdu, error)) {
        return Result<std::string>::Fail(std::move(error));
    }
    return Result<std::string>::Ok(std::move(pdu));
}

int WholePduLength(std::string_view pduHex) {
    return static_cast<int>((pduHex.size() + 1) / 2);
}

int TpduLength(std::string_view pduHex) {
    const int whole = WholePduLength(pduHex);
    if (pduHex.size() < 2) return 0;  // not even the service-centre length octet
    const int tpdu = whole - 1 - static_cast<int>(hex::OctetAt(pduHex, 0));
    return tpdu < 0 ? 0 : tpdu;
}

}  // namespace shortmsg
