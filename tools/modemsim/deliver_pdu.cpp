#include "deliver_pdu.h"

#include <cstdio>

#include "pdu/alphabet.h"
#include "pdu/dialled.h"

namespace shortmsg::modemsim {
namespace {

std::string Hex2(unsigned value) {
    char text[3];
    std::snprintf(text, sizeof text, "%02X", value & 0xFF);
    return text;
}

// An international address: length octet (octets or digits), type 91, semi-octets.
std::string Address(std::string_view digits, bool lengthInDigits) {
    const unsigned octets = static_cast<unsigned>((digits.size() + 1) / 2);
    const unsigned length = lengthInDigits ? static_cast<unsigned>(digits.size()) : octets + 1;
    return Hex2(length) + "91" + ToSemiOctets(digits);
}

// YYMMDDhhmmss and the zone 00, each pair swapped.
std::string TimeStamp(DateTime stamp) {
    const CivilTime t = ToCivil(stamp);
    char digits[64];
    std::snprintf(digits, sizeof digits, "%02d%02d%02d%02d%02d%02d00", t.year % 100, t.month, t.day,
                  t.hour, t.minute, t.second);
    return ToSemiOctets(digits);
}

}  // namespace

DeliverPdu BuildDeliverPdu(std::string_view sender, std::string_view text, DateTime stamp) {
    const std::string gsm = ConvertTextToGSM(text);
    std::string tpdu = "04";  // SMS-DELIVER, no more messages waiting
    tpdu += Address(sender, true);
    tpdu += "0000";  // protocol identifier, default alphabet
    tpdu += TimeStamp(stamp);
    tpdu += Hex2(static_cast<unsigned>(gsm.size()));
    tpdu += PackSeptets(gsm);
    return {Address(kServiceCentre, false) + tpdu, static_cast<int>(tpdu.size() / 2)};
}

}  // namespace shortmsg::modemsim
