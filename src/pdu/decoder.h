#pragma once
// Received PDUs ("+CMGR:" and "+CDS:" replies): SMS-DELIVER, SMS-STATUS-REPORT and stored
// SMS-SUBMIT, as PDU-mode hex text with the service-centre part in front.
#include <optional>
#include <string>
#include <string_view>

#include "pdu/concatenation.h"
#include "pdu/data_coding.h"
#include "pdu/result.h"

namespace shortmsg {

enum class PduType { Deliver = 0, Submit = 1, StatusReport = 2, Unknown = 3 };

// The type of number of the originating address (bits 6-4 of its type-of-address octet).
enum class SenderType {
    Unknown = 0,
    International = 1,
    National = 2,
    NetworkSpecific = 3,
    Subscriber = 4,
    Alphanumeric = 5,
    Abbreviated = 6,
    Reserved = 7,
};

struct DecodedPDU {
    PduType type = PduType::Unknown;
    // Deliver and Submit in GSM 7-bit: the text as a GSM code string, without the septets of
    // a user-data header and its fill (ConvertGSMToText gives the text). Empty for other
    // codings.
    std::string gsmText;
    // Deliver: the sender (digits; the name, in UTF-8, for an alphanumeric sender) and the
    // service-centre time stamp, 14 digits in reading order (YYMMDDhhmmsszz). Submit: both
    // empty.
    std::string PDU_SenderAddress;
    std::string PDU_TimeStamp;
    // Deliver and Submit: the text to show, in UTF-8, whatever the coding. GSM 7-bit:
    // ConvertGSMToText(gsmText); UCS2: the UTF-16 text (an unpaired surrogate as U+FFFD, an
    // odd last octet dropped); 8-bit: "[8-bit data] " and the octets in hex; compressed or
    // reserved codings: "[message in an unsupported coding]".
    std::string text;
    MessageCoding coding = MessageCoding::Gsm7;
    SenderType senderType = SenderType::Unknown;  // Deliver only
    // A part of a message in parts (from the user-data header), when it is one.
    std::optional<Concatenation> concat;
    // StatusReport: the fields and the line the terminal adds to its status list
    // ("<status>,<mr>,<recipient>,<time stamp text>,<discharge time text>").
    int messageReference = 0;
    std::string recipient;
    std::string status;
    std::string statusLine;
};

// Refuses (with a reason fit for the error box) a PDU that is not hexadecimal or ends
// before its user-data length field (a status report: before its status field). Blanks,
// CR and LF around the PDU are dropped; user data shorter than its length decodes as far
// as it goes; anything after the last field read is ignored. A user-data header is
// skipped; one whose length runs beyond the user data leaves no text, and a malformed one
// gives no concatenation information.
Result<DecodedPDU> DecodeReceivedPDU(std::string_view pduHex);
// The same into a reused result; returns false and sets `error` when refused.
bool DecodeReceivedPDUInto(std::string_view pduHex, DecodedPDU& out, std::string& error);

// "&H00" -> "Recieved", ...; codes 26-3F keep their "&H" form.
std::string StatusCodeToText(std::string_view field);
// The text the terminal shows for a status code, or nothing for codes 26-3F.
std::optional<std::string_view> StatusText(unsigned code);
// "08012114000004" -> "08/01/21/ 14:00:00 GMT: 04". Missing digits are left out.
std::string FormatTimeStamp(std::string_view digits);
// Appends the time-stamp text to `out`.
void FormatTimeStampInto(std::string_view digits, std::string& out);

}  // namespace shortmsg
