#include "deliver_pdu.h"

#include <cstdio>

#include "pdu/alphabet.h"
#include "pdu/dialled.h"
#include "pdu/hex.h"

namespace shortmsg::modemsim {
namespace {

// An international address: length octet (octets or digits), type 91, semi-octets.
std::string Address(std::string_view digits, bool lengthInDigits) {
    const unsigned octets = static_cast<unsigned>((digits.size() + 1) / 2);
    const unsigned length = lengthInDigits ? static_cast<unsigned>(digits.size()) : octets + 1;
    std::string address;
    hex::AppendOctet(address, length);
    address += "91";
    ToSemiOctetsInto(digits, address);
    return address;
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
    hex::AppendOctet(tpdu, static_cast<unsigned>(gsm.size()));
    PackSeptetsInto(gsm, tpdu);
    return {Address(kServiceCentre, false) + tpdu, static_cast<int>(tpdu.size() / 2)};
}

}  // namespace shortmsg::modemsim
