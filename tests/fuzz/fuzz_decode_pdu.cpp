// Received PDUs come straight from the modem: any bytes at all must be refused or decoded,
// never read out of bounds, and a decoded message must convert to text.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "pdu/alphabet.h"
#include "pdu/decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace shortmsg;
    const std::string_view pdu(reinterpret_cast<const char*>(data), size);
    const auto decoded = DecodeReceivedPDU(pdu);

    // The reused-result form must agree with the plain one, even after another message.
    DecodedPDU reused;
    std::string error;
    DecodeReceivedPDUInto("0791447700090000040B914477000910F200008010124100004005E8329BFD06",
                          reused, error);
    const bool ok = DecodeReceivedPDUInto(pdu, reused, error);
    if (ok != decoded.ok()) __builtin_trap();
    if (!ok) {
        if (error.empty() || error != decoded.error()) __builtin_trap();
        return 0;
    }
    if (reused.gsmText != decoded->gsmText || reused.statusLine != decoded->statusLine)
        __builtin_trap();

    // What the terminal does next with a message: show its time stamp and text.
    for (const char c : decoded->gsmText) {
        if (static_cast<unsigned char>(c) > 127) __builtin_trap();
    }
    const std::string text = ConvertGSMToText(decoded->gsmText);
    if (text.size() > decoded->gsmText.size()) __builtin_trap();
    // "08/01/21/ 14:00:00 GMT: 04" is the longest time-stamp text.
    if (FormatTimeStamp(decoded->PDU_TimeStamp).size() > 26) __builtin_trap();
    return 0;
}
