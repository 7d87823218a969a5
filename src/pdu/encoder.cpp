#include "pdu/encoder.h"

#include <array>
#include <cstring>

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

// Address digits as the PDU carries them: "0"-"9", and "A" and "B" for the dialled "*"
// and "#"; anything else (blanks, hyphens, other letters) would put non-hexadecimal text
// or a wrong digit into the PDU. Each character's kind is 1 (digit), 2 ("A", "B") or 4
// (anything else); one pass ORs the kinds together, with no branch per character.
constexpr std::array<unsigned char, 256> kAddressKinds = [] {
    std::array<unsigned char, 256> kinds{};
    kinds.fill(4);
    for (char c = '0'; c <= '9'; ++c) kinds[static_cast<unsigned char>(c)] = 1;
    kinds['A'] = kinds['B'] = 2;
    return kinds;
}();

bool AddressDigitsOnly(std::string_view digits, bool allowStarHash) {
    unsigned kinds = 0;
    for (const char c : digits) kinds |= kAddressKinds[static_cast<unsigned char>(c)];
    return (kinds & ~(allowStarHash ? 3u : 1u)) == 0;
}

char* Put(char* dst, std::string_view text) {
    std::memcpy(dst, text.data(), text.size());
    return dst + text.size();
}

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
    if (!AddressDigitsOnly(destination, true)) {
        error = codec_errors::kDestinationNotDigits;
        return false;
    }
    const std::string& sca = settings.ServiceCenterAddress;
    if (!settings.UseSCAinPhone && sca.size() > kMaxServiceCenterDigits) {
        error = codec_errors::kServiceCenterTooLong;
        return false;
    }
    if (!settings.UseSCAinPhone && !AddressDigitsOnly(sca, false)) {
        error = codec_errors::kServiceCenterNotDigits;
        return false;
    }
    // Every field is written in place into one string of the final length.
    const std::size_t scaChars = settings.UseSCAinPhone ? 0 : 2 + sca.size() + sca.size() % 2;
    const std::size_t destChars = destination.size() + destination.size() % 2;
    const std::size_t septets = gsm.size();
    out.resize(2 + scaChars + 4 + 4 + destChars + 6 + 2 + 2 * (septets - septets / 8));
    char* dst = out.data();
    if (settings.UseSCAinPhone) {
        dst = Put(dst, "00");
    } else {
        hex::PutOctet(dst, static_cast<unsigned>((sca.size() + 1) / 2 + 1));
        dst = Put(dst + 2, kInternationalNumber);
        dst = WriteSemiOctets(dst, sca);
    }
    dst = Put(dst, settings.RegisteredSM ? kSubmitHeaderRegistered : kSubmitHeader);
    hex::PutOctet(dst, static_cast<unsigned>(destination.size()));
    dst = Put(dst + 2, kInternationalNumber);
    dst = WriteSemiOctets(dst, destination);
    dst = Put(dst, kPidDcsValidity);
    hex::PutOctet(dst, static_cast<unsigned>(septets));
    const std::size_t userData = static_cast<std::size_t>(dst + 2 - out.data());
    out.resize(userData);  // no reallocation: shrinking, and packing appends into capacity
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
