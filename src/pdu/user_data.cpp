#include "pdu/user_data.h"

#include <algorithm>

#include "pdu/alphabet.h"
#include "pdu/hex.h"
#include "pdu/septets.h"
#include "pdu/user_data_header.h"
#include "pdu/utf8.h"

namespace shortmsg {
namespace {

constexpr std::string_view kEightBitPrefix = "[8-bit data] ";
constexpr std::string_view kUnsupportedText = "[message in an unsupported coding]";

// The octets the header takes (UDHL and the elements), 0 without one; the concatenation
// element is read only when the whole header lies within the `octets` of user data.
std::size_t ReadHeader(const std::uint8_t* data, std::size_t octets, DecodedPDU& out) {
    if (octets == 0) return 0;
    const std::size_t udhl = data[0];
    if (udhl + 1 <= octets) out.concat = ReadConcatenation(data + 1, udhl);
    return udhl + 1;
}

void DecodeGsm7(const UserData& data, bool headerIndicator, DecodedPDU& out) {
    const std::size_t septets = data.length;
    const std::size_t octets = std::min(septets - septets / 8, data.present);
    std::size_t skip = 0;
    if (headerIndicator) {
        const std::size_t header = ReadHeader(data.octets, octets, out);
        skip = header == 0 ? 0 : HeaderSeptets(header - 1);
    }
    UnpackOctetsInto(data.octets, octets, static_cast<int>(septets), out.gsmText);
    out.gsmText.erase(0, std::min(skip, out.gsmText.size()));
    ConvertGSMToTextInto(out.gsmText, out.text);
}

void AppendHex(const std::uint8_t* octets, std::size_t count, std::string& out) {
    for (std::size_t i = 0; i < count; ++i) hex::AppendOctet(out, octets[i]);
}

}  // namespace

void DecodeUserData(const UserData& data, unsigned dcs, bool headerIndicator, DecodedPDU& out) {
    out.coding = CodingOfDcs(dcs);
    switch (out.coding) {
        case MessageCoding::Gsm7:
            return DecodeGsm7(data, headerIndicator, out);
        case MessageCoding::Unsupported:
            out.text = kUnsupportedText;
            return;
        case MessageCoding::Ucs2:
        case MessageCoding::EightBit:
            break;
    }
    const std::size_t octets = std::min<std::size_t>(data.length, data.wholeOctets);
    const std::size_t skip =
        std::min(octets, headerIndicator ? ReadHeader(data.octets, octets, out) : 0);
    if (out.coding == MessageCoding::Ucs2) {
        // UTF-16 big-endian; an odd last octet is dropped.
        Utf16BigEndianToUtf8Into(data.octets + skip, (octets - skip) / 2, out.text);
    } else {
        out.text = kEightBitPrefix;
        AppendHex(data.octets + skip, octets - skip, out.text);
    }
}

}  // namespace shortmsg
