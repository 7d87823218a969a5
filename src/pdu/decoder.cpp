#include "pdu/decoder.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

#include "pdu/alphabet.h"
#include "pdu/codec_errors.h"
#include "pdu/hex.h"
#include "pdu/septets.h"
#include "pdu/user_data.h"

namespace shortmsg {
namespace {

// Octets read from the hex text. No field the decoder reads lies beyond octet 652 (a
// service-centre part of 255 octets, a 255-digit address, 255 octets of UCS2 or 8-bit user
// data); text beyond the buffer is only checked to be hexadecimal.
constexpr std::size_t kMaxOctets = 656;

struct Octets {
    std::uint8_t at[kMaxOctets];
    std::size_t chars = 0;  // hex characters of the whole PDU

    // True when the `count` octets from `first` are all present (no half octet).
    bool Has(std::size_t first, std::size_t count) const { return 2 * (first + count) <= chars; }
    // Octets from `first` that are present, a final half octet included.
    std::size_t From(std::size_t first) const {
        const std::size_t total = std::min((chars + 1) / 2, kMaxOctets);
        return first < total ? total - first : 0;
    }
    // Octets from `first` that are present, without a final half octet.
    std::size_t Whole(std::size_t first) const {
        const std::size_t total = std::min(chars / 2, kMaxOctets);
        return first < total ? total - first : 0;
    }
};

constexpr std::size_t kTimeStampOctets = 7;
constexpr char kHexDigit[] = "0123456789ABCDEF";

// TP-MTI, the low two bits of the first octet.
constexpr unsigned kDeliver = 0;
constexpr unsigned kSubmit = 1;
constexpr unsigned kStatusReport = 2;
// TP-UDHI in the first octet of SMS-DELIVER and SMS-SUBMIT: a header precedes the text.
constexpr unsigned kHeaderIndicator = 0x40;

std::string_view TrimBlanks(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\r\n";
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

bool Refuse(std::string& error, std::string_view reason) {
    error = reason;
    return false;
}

void Reset(DecodedPDU& out) {
    out.type = PduType::Unknown;
    out.gsmText.clear();
    out.PDU_SenderAddress.clear();
    out.PDU_TimeStamp.clear();
    out.text.clear();
    out.coding = MessageCoding::Gsm7;
    out.senderType = SenderType::Unknown;
    out.concat.reset();
    out.messageReference = 0;
    out.recipient.clear();
    out.status.clear();
    out.statusLine.clear();
}

// Octets of an address field of `digits` semi-octets.
std::size_t AddressOctets(unsigned digits) {
    return (digits + 1) / 2;
}

// Semi-octet digits, low half of each octet first, as upper-case text; a fill "F" of an
// odd count is left out.
void AppendSemiOctets(const std::uint8_t* octets, std::size_t digits, std::string& out) {
    const std::size_t base = out.size();
    out.resize(base + digits + digits % 2);
    char* dst = out.data() + base;
    for (std::size_t i = 0; i < (digits + 1) / 2; ++i, dst += 2) {
        dst[0] = kHexDigit[octets[i] & 15];
        dst[1] = kHexDigit[octets[i] >> 4];
    }
    out.resize(base + digits);
}

// The TP-UDL octet at `udl` and the user data behind it, decoded by the TP-DCS octet at
// `dcs` and the first octet's TP-UDHI.
void DecodeText(const Octets& pdu, std::size_t tpdu, std::size_t dcs, std::size_t udl,
                DecodedPDU& out) {
    const UserData data{pdu.at[udl], pdu.at + udl + 1, pdu.From(udl + 1), pdu.Whole(udl + 1)};
    DecodeUserData(data, pdu.at[dcs], (pdu.at[tpdu] & kHeaderIndicator) != 0, out);
}

// An alphanumeric address: the name packed as GSM 7-bit text in the address field, whose
// length counts semi-octets.
void AppendAlphanumeric(const std::uint8_t* octets, unsigned semiOctets, std::string& out) {
    std::string gsm;
    UnpackOctetsInto(octets, AddressOctets(semiOctets), static_cast<int>(semiOctets * 4 / 7), gsm);
    ConvertGSMToTextInto(gsm, out);
}

// SMS-DELIVER: first octet, TP-OA, TP-PID, TP-DCS, TP-SCTS, TP-UDL, TP-UD.
bool DecodeDeliver(const Octets& pdu, std::size_t tpdu, DecodedPDU& out, std::string& error) {
    if (!pdu.Has(tpdu + 1, 1)) return Refuse(error, codec_errors::kPduTooShort);
    const unsigned digits = pdu.at[tpdu + 1];
    const std::size_t address = tpdu + 3;
    const std::size_t dcs = address + AddressOctets(digits) + 1;
    const std::size_t timeStamp = dcs + 1;
    const std::size_t udl = timeStamp + kTimeStampOctets;
    if (!pdu.Has(udl, 1)) return Refuse(error, codec_errors::kPduTooShort);
    out.type = PduType::Deliver;
    out.senderType = static_cast<SenderType>((pdu.at[tpdu + 2] >> 4) & 7);
    if (out.senderType == SenderType::Alphanumeric) {
        AppendAlphanumeric(pdu.at + address, digits, out.PDU_SenderAddress);
    } else {
        AppendSemiOctets(pdu.at + address, digits, out.PDU_SenderAddress);
    }
    AppendSemiOctets(pdu.at + timeStamp, 2 * kTimeStampOctets, out.PDU_TimeStamp);
    DecodeText(pdu, tpdu, dcs, udl, out);
    return true;
}

// Octets of TP-VP for the validity-period format in bits 3-4 of the first octet:
// none, enhanced, relative, absolute.
std::size_t ValidityPeriodOctets(unsigned firstOctet) {
    constexpr std::size_t kOctets[] = {0, 7, 1, 7};
    return kOctets[(firstOctet >> 3) & 3];
}

// A stored SMS-SUBMIT: first octet, TP-MR, TP-DA, TP-PID, TP-DCS, TP-VP, TP-UDL, TP-UD.
bool DecodeSubmit(const Octets& pdu, std::size_t tpdu, DecodedPDU& out, std::string& error) {
    if (!pdu.Has(tpdu + 2, 1)) return Refuse(error, codec_errors::kPduTooShort);
    const unsigned firstOctet = pdu.at[tpdu];
    const std::size_t address = tpdu + 4;
    const std::size_t dcs = address + AddressOctets(pdu.at[tpdu + 2]) + 1;
    const std::size_t udl = dcs + 1 + ValidityPeriodOctets(firstOctet);
    if (!pdu.Has(udl, 1)) return Refuse(error, codec_errors::kPduTooShort);
    out.type = PduType::Submit;
    DecodeText(pdu, tpdu, dcs, udl, out);
    return true;
}

void AppendTimeStampText(const std::uint8_t* octets, std::string& out) {
    std::string digits;
    AppendSemiOctets(octets, 2 * kTimeStampOctets, digits);
    FormatTimeStampInto(digits, out);
}

// SMS-STATUS-REPORT: first octet, TP-MR, TP-RA, TP-SCTS, TP-DT, TP-ST; read up to TP-ST.
bool DecodeStatusReport(const Octets& pdu, std::size_t tpdu, DecodedPDU& out, std::string& error) {
    if (!pdu.Has(tpdu + 2, 1)) return Refuse(error, codec_errors::kStatusReportTooShort);
    const unsigned digits = pdu.at[tpdu + 2];
    const std::size_t address = tpdu + 4;
    const std::size_t timeStamp = address + AddressOctets(digits);
    const std::size_t discharge = timeStamp + kTimeStampOctets;
    const std::size_t status = discharge + kTimeStampOctets;
    if (!pdu.Has(status, 1)) return Refuse(error, codec_errors::kStatusReportTooShort);

    out.type = PduType::StatusReport;
    out.messageReference = pdu.at[tpdu + 1];
    AppendSemiOctets(pdu.at + address, digits, out.recipient);
    std::string field = "&H";
    hex::AppendOctet(field, pdu.at[status]);
    out.status = StatusCodeToText(field);

    std::string& line = out.statusLine;
    char number[4];
    const auto mr = std::to_chars(number, number + sizeof number, out.messageReference);
    line.append(out.status).append(",").append(number, mr.ptr).append(",");
    line.append(out.recipient).append(",");
    AppendTimeStampText(pdu.at + timeStamp, line);
    line.append(",");
    AppendTimeStampText(pdu.at + discharge, line);
    return true;
}

}  // namespace

bool DecodeReceivedPDUInto(std::string_view pduHex, DecodedPDU& out, std::string& error) {
    Reset(out);
    const std::string_view text = TrimBlanks(pduHex);
    Octets pdu;
    pdu.chars = text.size();
    const std::size_t read = std::min(text.size(), 2 * kMaxOctets);
    if (!hex::DecodeOctets(text.substr(0, read), pdu.at) || !hex::AllHex(text.substr(read))) {
        return Refuse(error, codec_errors::kPduNotHex);
    }
    if (!pdu.Has(0, 1)) return Refuse(error, codec_errors::kPduTooShort);
    const std::size_t tpdu = 1 + std::size_t{pdu.at[0]};
    if (!pdu.Has(tpdu, 1)) return Refuse(error, codec_errors::kPduTooShort);
    switch (pdu.at[tpdu] & 3) {
        case kDeliver:
            return DecodeDeliver(pdu, tpdu, out, error);
        case kSubmit:
            return DecodeSubmit(pdu, tpdu, out, error);
        case kStatusReport:
            return DecodeStatusReport(pdu, tpdu, out, error);
        default:
            out.type = PduType::Unknown;
            return true;
    }
}

Result<DecodedPDU> DecodeReceivedPDU(std::string_view pduHex) {
    DecodedPDU decoded;
    std::string error;
    if (!DecodeReceivedPDUInto(pduHex, decoded, error)) {
        return Result<DecodedPDU>::Fail(std::move(error));
    }
    return Result<DecodedPDU>::Ok(std::move(decoded));
}

void FormatTimeStampInto(std::string_view digits, std::string& out) {
    // Separators in front of each pair: YY/MM/DD/ hh:mm:ss GMT: zz
    constexpr std::string_view kSeparators[] = {"", "/", "/", "/ ", ":", ":", " GMT: "};
    for (std::size_t pair = 0; pair < 7; ++pair) {
        out.append(kSeparators[pair]);
        if (2 * pair < digits.size()) out.append(digits.substr(2 * pair, 2));
    }
}

std::string FormatTimeStamp(std::string_view digits) {
    std::string out;
    FormatTimeStampInto(digits, out);
    return out;
}

}  // namespace shortmsg
