#include "pdu/data_coding.h"

namespace shortmsg {

MessageCoding CodingOfDcs(unsigned dcs) {
    constexpr MessageCoding kAlphabets[] = {MessageCoding::Gsm7, MessageCoding::EightBit,
                                            MessageCoding::Ucs2, MessageCoding::Unsupported};
    const unsigned group = (dcs >> 4) & 0x0F;
    if (group < 0x8) {  // 00xx and 01xx: bit 5 compressed, bits 3-2 the alphabet
        return (dcs & 0x20) ? MessageCoding::Unsupported : kAlphabets[(dcs >> 2) & 3];
    }
    switch (group) {
        case 0xC:  // message waiting, discard message
        case 0xD:  // message waiting, store message
            return MessageCoding::Gsm7;
        case 0xE:  // message waiting, store message, UCS2
            return MessageCoding::Ucs2;
        case 0xF:  // data coding / message class: bit 2 chooses 8-bit data
            return (dcs & 0x04) ? MessageCoding::EightBit : MessageCoding::Gsm7;
        default:  // 1000-1011: reserved groups
            return MessageCoding::Unsupported;
    }
}

}  // namespace shortmsg
