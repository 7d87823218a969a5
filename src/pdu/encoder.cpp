#include "pdu/encoder.h"

#include <array>
#include <cstring>

#include "pdu/alphabet.h"
#include "pdu/codec_errors.h"
#include "pdu/dialled.h"
#include "pdu/hex.h"
#include "pdu/utf8.h"

namespace shortmsg {
namespace {

// The longest numbers whose length still fits the one-octet length fields.
constexpr std::size_t kMaxDestinationDigits = 255;
constexpr std::size_t kMaxServiceCenterDigits = 2 * (255 - 1);

// First octet and TP-MR: SMS-SUBMIT with a relative validity period, with or without
// a status report request.
constexpr std::string_view kSubmitHeader = "1100";
constexpr std::string_view kSubmitHeaderRegistered = "3100";
// The same with TP-UDHI set, for the parts of a message in parts.
constexpr std::string_view kSubmitHeaderUdh = "5100";
constexpr std::string_view kSubmitHeaderUdhRegistered = "7100";
constexpr std::string_view kInternationalNumber = "91";
// TP-PID 00, TP-DCS 00 (GSM 7-bit), TP-VP AA (four days).
constexpr std::string_view kPidDcsValidity = "0000AA";
// TP-PID 00, TP-DCS 08 (UCS2), TP-VP AA.
constexpr std::string_view kPidUcs2Validity = "0008AA";
// UDHL 5, then the concatenation element with an 8-bit reference: IE 00, length 3; the
// reference, the total and the part follow.
constexpr std::string_view kConcatenationHeader = "050003";
constexpr std::size_t kMaxParts = 255;

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

// The refusals every SMS-SUBMIT shares: a destination or service-centre number that is
// not digits or too long for its length octet.
bool CheckAddresses(std::string_view destination, const SubmitSettings& settings,
                    std::string& error) {
    const std::string& sca = settings.ServiceCenterAddress;
    std::string_view reason;
    if (destination.size() > kMaxDestinationDigits) {
        reason = codec_errors::kDestinationTooLong;
    } else if (!AddressDigitsOnly(destination, true)) {
        reason = codec_errors::kDestinationNotDigits;
    } else if (!settings.UseSCAinPhone && sca.size() > kMaxServiceCenterDigits) {
        reason = codec_errors::kServiceCenterTooLong;
    } else if (!settings.UseSCAinPhone && !AddressDigitsOnly(sca, false)) {
        reason = codec_errors::kServiceCenterNotDigits;
    }
    if (reason.empty()) return true;
    error = reason;
    return false;
}

// What sets one SMS-SUBMIT apart from another: TP-UDHI and TP-DCS, and TP-UDL.
struct SubmitKind {
    bool header;        // TP-UDHI: a user-data header precedes the text
    bool ucs2;          // TP-DCS 08 instead of 00
    unsigned udl;       // septets (GSM 7-bit) or octets (UCS2)
    std::size_t chars;  // hex characters of the user data
};

// Sizes `out` for the whole PDU, writes every field up to and including TP-UDL and returns
// where the user data goes. The addresses are checked already.
char* WriteSubmitHead(std::string_view destination, const SubmitSettings& settings,
                      const SubmitKind& kind, std::string& out) {
    const std::string& sca = settings.ServiceCenterAddress;
    const std::size_t scaChars = settings.UseSCAinPhone ? 0 : 2 + sca.size() + sca.size() % 2;
    const std::size_t destChars = destination.size() + destination.size() % 2;
    out.resize(2 + scaChars + 4 + 4 + destChars + 6 + 2 + kind.chars);
    char* dst = out.data();
    if (settings.UseSCAinPhone) {
        dst = Put(dst, "00");
    } else {
        hex::PutOctet(dst, static_cast<unsigned>((sca.size() + 1) / 2 + 1));
        dst = Put(dst + 2, kInternationalNumber);
        dst = WriteSemiOctets(dst, sca);
    }
    constexpr std::string_view kFirstOctets[] = {kSubmitHeader, kSubmitHeaderRegistered,
                                                 kSubmitHeaderUdh, kSubmitHeaderUdhRegistered};
    dst = Put(dst, kFirstOctets[(kind.header ? 2 : 0) + (settings.RegisteredSM ? 1 : 0)]);
    hex::PutOctet(dst, static_cast<unsigned>(destination.size()));
    dst = Put(dst + 2, kInternationalNumber);
    dst = WriteSemiOctets(dst, destination);
    dst = Put(dst, kind.ucs2 ? kPidUcs2Validity : kPidDcsValidity);
    hex::PutOctet(dst, kind.udl);
    return dst + 2;
}

// Writes the text as UTF-16 big-endian hex at `dst`.
char* PutUcs2(char* dst, std::string_view utf8) {
    for (std::size_t i = 0; i < utf8.size();) {
        const Utf8Char c = ReadUtf8Char(utf8, i);
        i += c.length;
        char32_t unit = c.code;
        if (c.code >= 0x10000) {
            const char32_t high = 0xD800 + ((c.code - 0x10000) >> 10);
            hex::PutOctet(dst, high >> 8);
            hex::PutOctet(dst + 2, high & 0xFF);
            dst += 4;
            unit = 0xDC00 + ((c.code - 0x10000) & 0x3FF);
        }
        hex::PutOctet(dst, unit >> 8);
        hex::PutOctet(dst + 2, unit & 0xFF);
        dst += 4;
    }
    return dst;
}

// One part of a UCS2 message: its text and its UTF-16 units.
struct Ucs2Part {
    std::string_view text;
    std::size_t units;
};

// Parts of at most kMaxUnitsPerPart units; a character is never cut, so a surrogate pair
// stays in one part.
std::vector<Ucs2Part> SplitUcs2(std::string_view utf8) {
    std::vector<Ucs2Part> parts;
    std::size_t start = 0;
    std::size_t units = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const Utf8Char c = ReadUtf8Char(utf8, i);
        const std::size_t width = c.code < 0x10000 ? 1 : 2;
        if (units + width > static_cast<std::size_t>(kMaxUnitsPerPart)) {
            parts.push_back({utf8.substr(start, i - start), units});
            start = i;
            units = 0;
        }
        units += width;
        i += c.length;
    }
    parts.push_back({utf8.substr(start), units});
    return parts;
}

bool EncodeUcs2Into(std::string_view utf8, std::string_view destination,
                    const SubmitSettings& settings, std::uint8_t reference,
                    std::vector<std::string>& pdus, std::string& error) {
    // One message (a text of more than 210 bytes has more than 70 units): written with room
    // for one unit per byte, the most a text can hold, its TP-UDL set and its length cut once
    // the units are counted.
    if (utf8.size() <= 3 * static_cast<std::size_t>(kMaxUnits)) {
        pdus.resize(1);
        std::string& pdu = pdus[0];
        char* userData =
            WriteSubmitHead(destination, settings, {false, true, 0, 4 * utf8.size()}, pdu);
        const char* end = PutUcs2(userData, utf8);
        const std::size_t units = static_cast<std::size_t>(end - userData) / 4;
        if (units <= static_cast<std::size_t>(kMaxUnits)) {
            hex::PutOctet(userData - 2, static_cast<unsigned>(2 * units));
            pdu.resize(static_cast<std::size_t>(end - pdu.data()));
            return true;
        }
    }
    const std::vector<Ucs2Part> parts = SplitUcs2(utf8);
    if (parts.size() > kMaxParts) {
        error = codec_errors::kMessageTooManyParts;
        return false;
    }
    pdus.resize(parts.size());
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const std::size_t octets = kConcatenationHeader.size() / 2 + 3 + 2 * parts[i].units;
        const SubmitKind kind{true, true, static_cast<unsigned>(octets), 2 * octets};
        char* dst =
            Put(WriteSubmitHead(destination, settings, kind, pdus[i]), kConcatenationHeader);
        for (const std::size_t octet : {std::size_t{reference}, parts.size(), i + 1}) {
            hex::PutOctet(dst, static_cast<unsigned>(octet));
            dst += 2;
        }
        PutUcs2(dst, parts[i].text);
    }
    return true;
}

}  // namespace

bool EncodeSubmitPDUInto(std::string_view gsm, std::string_view destination,
                         const SubmitSettings& settings, std::string& out, std::string& error) {
    if (gsm.size() > static_cast<std::size_t>(kMaxSeptets)) {
        error = codec_errors::kMessageTooLong;
        return false;
    }
    if (!CheckAddresses(destination, settings, error)) return false;
    const std::size_t septets = gsm.size();
    const SubmitKind kind{false, false, static_cast<unsigned>(septets),
                          2 * (septets - septets / 8)};
    char* userData = WriteSubmitHead(destination, settings, kind, out);
    out.resize(static_cast<std::size_t>(userData - out.data()));  // shrinking: no reallocation,
    PackSeptetsInto(gsm, out);  // and packing appends into the capacity
    return true;
}

bool EncodeTextMessageInto(std::string_view utf8Text, std::string_view destinationDigits,
                           const SubmitSettings& settings, std::uint8_t reference,
                           std::vector<std::string>& pdus, std::string& error) {
    std::string gsm;
    if (ConvertCarriedTextToGSMInto(utf8Text, gsm)) {
        pdus.resize(1);
        return EncodeSubmitPDUInto(gsm, destinationDigits, settings, pdus[0], error);
    }
    if (!CheckAddresses(destinationDigits, settings, error)) return false;
    return EncodeUcs2Into(utf8Text, destinationDigits, settings, reference, pdus, error);
}

Result<std::vector<std::string>> EncodeTextMessage(std::string_view utf8Text,
                                                   std::string_view destinationDigits,
                                                   const SubmitSettings& settings,
                                                   std::uint8_t reference) {
    std::vector<std::string> pdus;
    std::string error;
    if (!EncodeTextMessageInto(utf8Text, destinationDigits, settings, reference, pdus, error)) {
        return Result<std::vector<std::string>>::Fail(std::move(error));
    }
    return Result<std::vector<std::string>>::Ok(std::move(pdus));
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
