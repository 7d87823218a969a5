// Received PDUs come straight from the modem: any bytes at all must be refused or decoded,
// never read out of bounds, and a decoded message must convert to text.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "pdu/concatenation.h"
#include "pdu/decoder.h"
#include "pdu/utf8.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace shortmsg;
    const std::string_view pdu(reinterpret_cast<const char*>(data), size);
    const auto decoded = DecodeReceivedPDU(pdu);

    // The reused-result form must agree with the plain one, even after another message (a
    // UCS2 part from a named sender).
    DecodedPDU reused;
    std::string error;
    DecodeReceivedPDUInto("00440DD0D772988E2ECB010008801012410000400A0500030C030200480069", reused,
                          error);
    const bool ok = DecodeReceivedPDUInto(pdu, reused, error);
    if (ok != decoded.ok()) __builtin_trap();
    if (!ok) {
        if (error.empty() || error != decoded.error()) __builtin_trap();
        return 0;
    }
    if (reused.gsmText != decoded->gsmText || reused.statusLine != decoded->statusLine ||
        reused.text != decoded->text || reused.coding != decoded->coding ||
        reused.senderType != decoded->senderType || reused.concat != decoded->concat ||
        reused.PDU_SenderAddress != decoded->PDU_SenderAddress)
        __builtin_trap();

    // What the terminal does next with a message: show its sender, time stamp and text (all
    // UTF-8), and keep a part until its set is whole.
    for (const char c : decoded->gsmText) {
        if (static_cast<unsigned char>(c) > 127) __builtin_trap();
    }
    if (FirstBadUtf8Byte(decoded->text) || FirstBadUtf8Byte(decoded->PDU_SenderAddress))
        __builtin_trap();
    if (const auto& concat = decoded->concat) {
        if (concat->part < 1 || concat->part > concat->total) __builtin_trap();
        MessageAssembler assembler;
        const auto whole = assembler.Add(decoded->PDU_SenderAddress, *concat, decoded->text, 1);
        if (whole.has_value() != (concat->total == 1)) __builtin_trap();
    }
    // "08/01/21/ 14:00:00 GMT: 04" is the longest time-stamp text.
    if (FormatTimeStamp(decoded->PDU_TimeStamp).size() > 26) __builtin_trap();
    return 0;
}
