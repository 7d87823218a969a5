#include "pdu/decoder.h"

#include <charconv>

#include "pdu/alphabet.h"
#include "pdu/codec_errors.h"
#include "pdu/dialled.h"
#include "pdu/hex.h"

namespace shortmsg {
namespace {

constexpr int kTimeStampDigits = 14;

// First-octet values of the message types the terminal reads (TP-MTI).
constexpr unsigned kDeliver = 0;
constexpr unsigned kSubmit = 1;
constexpr unsigned kStatusReport = 2;

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
    out.messageReference = 0;
    out.recipient.clear();
    out.status.clear();
    out.statusLine.clear();
}

// Address length in digits at `pos`, and the length of its digit field in characters.
std::size_t AddressField(std::string_view pdu, std::size_t pos, int& digits) {
    digits = static_cast<int>(hex::OctetAt(pdu, pos));
    return static_cast<std::size_t>(digits + digits % 2);
}

// The TP-UDL octet at `udl` and the packed septets behind it, as far as the PDU goes.
void UnpackUserData(std::string_view pdu, std::size_t udl, std::string& gsm) {
    const int septets = static_cast<int>(hex::OctetAt(pdu, udl));
    const std::size_t chars = 2 * static_cast<std::size_t>(septets - septets / 8);
    UnpackSeptetsInto(pdu.substr(udl + 2, chars), septets, gsm);
}

// SMS-DELIVER: first octet, TP-OA, TP-PID, TP-DCS, TP-SCTS, TP-UDL, TP-UD.
bool DecodeDeliver(std::string_view pdu, std::size_t tpdu, DecodedPDU& out, std::string& error) {
    if (tpdu + 4 > pdu.size()) return Refuse(error, codec_errors::kPduTooShort);
    int digits = 0;
    const std::size_t address = tpdu + 6;
    const std::size_t addressChars = AddressField(pdu, tpdu + 2, digits);
    const std::size_t timeStamp = address + addressChars + 4;
    const std::size_t udl = timeStamp + kTimeStampDigits;
    if (udl + 2 > pdu.size()) return Refuse(error, codec_errors::kPduTooShort);
    out.type = PduType::Deliver;
    FromSemiOctetsInto(pdu.substr(address, addressChars), digits, out.PDU_SenderAddress);
    FromSemiOctetsInto(pdu.substr(timeStamp, kTimeStampDigits), kTimeStampDigits,
                       out.PDU_TimeStamp);
    UnpackUserData(pdu, udl, out.gsmText);
    return true;
}

// Characters of TP-VP for the validity-period format in bits 3-4 of the first octet:
// none, enhanced (7 octets), relative (1 octet), absolute (7 octets).
std::size_t ValidityPeriodChars(unsigned firstOctet) {
    constexpr std::size_t kChars[] = {0, 14, 2, 14};
    return kChars[(firstOctet >> 3) & 3];
}

// A stored SMS-SUBMIT: first octet, TP-MR, TP-DA, TP-PID, TP-DCS, TP-VP, TP-UDL, TP-UD.
bool DecodeSubmit(std::string_view pdu, std::size_t tpdu, unsigned firstOctet, DecodedPDU& out,
                  std::string& error) {
    if (tpdu + 6 > pdu.size()) return Refuse(error, codec_errors::kPduTooShort);
    int digits = 0;
    const std::size_t addressChars = AddressField(pdu, tpdu + 4, digits);
    const std::size_t udl = tpdu + 12 + addressChars + ValidityPeriodChars(firstOctet);
    if (udl + 2 > pdu.size()) return Refuse(error, codec_errors::kPduTooShort);
    out.type = PduType::Submit;
    UnpackUserData(pdu, udl, out.gsmText);
    return true;
}

void AppendTimeStampText(std::string_view swapped, std::string& out) {
    char digits[kTimeStampDigits];
    for (int i = 0; i < kTimeStampDigits; i += 2) {
        digits[i] = hex::UpperHex(swapped[i + 1]);
        digits[i + 1] = hex::UpperHex(swapped[i]);
    }
    FormatTimeStampInto(std::string_view(digits, kTimeStampDigits), out);
}

// SMS-STATUS-REPORT: first octet, TP-MR, TP-RA, TP-SCTS, TP-DT, TP-ST; read up to TP-ST.
bool DecodeStatusReport(std::string_view pdu, std::size_t tpdu, DecodedPDU& out,
                        std::string& error) {
    if (tpdu + 6 > pdu.size()) return Refuse(error, codec_errors::kStatusReportTooShort);
    int digits = 0;
    const std::size_t address = tpdu + 8;
    const std::size_t addressChars = AddressField(pdu, tpdu + 4, digits);
    const std::size_t timeStamp = address + addressChars;
    const std::size_t discharge = timeStamp + kTimeStampDigits;
    const std::size_t status = discharge + kTimeStampDigits;
    if (status + 2 > pdu.size()) return Refuse(error, codec_errors::kStatusReportTooShort);

    out.type = PduType::StatusReport;
    out.messageReference = static_cast<int>(hex::OctetAt(pdu, tpdu + 2));
    FromSemiOctetsInto(pdu.substr(address, addressChars), digits, out.recipient);
    const char field[] = {'&', 'H', hex::UpperHex(pdu[status]), hex::UpperHex(pdu[status + 1])};
    out.status = StatusCodeToText(std::string_view(field, sizeof field));

    std::string& line = out.statusLine;
    char number[4];
    const auto mr = std::to_chars(number, number + sizeof number, out.messageReference);
    line.append(out.status).append(",").append(number, mr.ptr).append(",");
    line.append(out.recipient).append(",");
    AppendTimeStampText(pdu.substr(timeStamp, kTimeStampDigits), line);
    line.append(",");
    AppendTimeStampText(pdu.substr(discharge, kTimeStampDigits), line);
    return true;
}

}  // namespace

bool DecodeReceivedPDUInto(std::string_view pduHex, DecodedPDU& out, std::string& error) {
    Reset(out);
    const std::string_view pdu = TrimBlanks(pduHex);
    if (!hex::AllHex(pdu)) return Refuse(error, codec_errors::kPduNotHex);
    if (pdu.size() < 2) return Refuse(error, codec_errors::kPduTooShort);
    const std::size_t tpdu = 2 * static_cast<std::size_t>(hex::OctetAt(pdu, 0)) + 2;
    if (tpdu + 2 > pdu.size()) return Refuse(error, codec_errors::kPduTooShort);
    const unsigned firstOctet = hex::OctetAt(pdu, tpdu);
    switch (firstOctet & 3) {
        case kDeliver:
            return DecodeDeliver(pdu, tpdu, out, error);
        case kSubmit:
            return DecodeSubmit(pdu, tpdu, firstOctet, out, error);
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
