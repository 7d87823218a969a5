#pragma once
// The length after "AT+CMGS=": the terminal's dialect counts the whole PDU's octets, the
// 3GPP TS 27.005 dialect only the TPDU's. A modem of the second kind refuses the first
// with "+CMS ERROR: 304" ("Invalid PDU mode parameter"); the message then goes once more
// with the TPDU length, and a confirmation of such a message settles the dialect.
#include <string_view>

namespace shortmsg {

// "304", or the words "Invalid PDU mode parameter" in any case; blanks, CR and LF ignored.
bool IsInvalidPduModeParameter(std::string_view code);

}  // namespace shortmsg
