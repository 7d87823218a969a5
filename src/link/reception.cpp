// Incoming messages: "+CMTI:" announces one and has it read, "+CMGR:" brings it (its PDU on
// the line after), "+CDS:" brings a status report the phone passes on.
#include <optional>
#include <string>

#include "link/at_commands.h"
#include "link/messages.h"
#include "link/modem_link.h"
#include "link/reply_parsers.h"
#include "link/text.h"
#include "pdu/alphabet.h"
#include "pdu/decoder.h"

namespace shortmsg {

struct ModemLink::ReadPdu {
    std::string pdu;  // the PDU text as cut from the buffer
    DecodedPDU decoded;
};

// The PDU line after the current line: from its first "0" (the service-centre length octet
// begins with it) up to the CR after it, waiting for the rest within the bound.
std::optional<std::string> ModemLink::CutPduLine() {
    const auto start = FindAfterLine(0, "0");
    const auto end = start ? FindAfterLine(*start, "\r") : std::nullopt;
    if (!end) return std::nullopt;
    return std::string(rx_.AfterLine().substr(*start, *end - *start));
}

// Reads and decodes the PDU after the current line. A message or a stored submit leaves its
// sender and time stamp for the display (a status report or an unknown type leaves the last
// ones as they were); a status report adds its line to the status list. A PDU that did not
// arrive, or that the decoder refuses, is reported in the error box and nothing is decoded.
std::optional<ModemLink::ReadPdu> ModemLink::ReadAndDecodePdu() {
    auto pdu = CutPduLine();
    if (!pdu) {
        events_.ErrorReported(texts::kPduIncomplete);
        return std::nullopt;
    }
    auto decoded = DecodeReceivedPDU(*pdu);
    if (!decoded) {
        events_.ErrorReported(decoded.error());
        return std::nullopt;
    }
    ReadPdu read{std::move(*pdu), std::move(decoded).value()};
    switch (read.decoded.type) {
        case PduType::Deliver:
        case PduType::Submit:
            lastSender_ = read.decoded.PDU_SenderAddress;
            lastTimeStamp_ = read.decoded.PDU_TimeStamp;
            break;
        case PduType::StatusReport:
            events_.StatusReportReceived(read.decoded.statusLine);
            break;
        case PduType::Unknown:
            break;
    }
    return read;
}

// "+CMTI: \"SM\",7": read message 7, refresh the count; the window highlights the
// announcement. An index that is not a whole number is no announcement the terminal can act
// on. A burst of announcements queues one read per index and one count after them all, so
// that what the operator sends meanwhile does not wait behind a backlog.
void ModemLink::CmtiReply(const std::string& line) {
    const auto index = ParseCmtiIndex(line, MatchPos);
    if (!index) return;
    const std::string read = std::string(at::kReadMessage).append(*index);
    const std::string count = std::string(at::kStorageQuery).append(at::kLineEnd);
    const bool readWaiting = queue_.Holds(read + std::string(at::kLineEnd));
    const bool countLast = queue_.LastIs(count);
    if (!readWaiting) queue_.InsertBeforeTrailing(read, count);
    events_.MessageAnnounced(*index);
    if (!readWaiting && !countLast) QueueCommand(at::kStorageQuery);
}

// "+CMGR: 0,,23" and the PDU line: sender, time stamp and text. A status report or an
// unknown type read from the store has no text of its own: its PDU is shown, with the
// sender and time stamp of the last message. The PDU line stays in the buffer and is
// dispatched later as an ordinary line (it matches no keyword).
void ModemLink::CmgrReply(const std::string&) {
    const auto read = ReadAndDecodePdu();
    if (!read) return;
    const DecodedPDU& decoded = read->decoded;
    const bool hasText = decoded.type == PduType::Deliver || decoded.type == PduType::Submit;
    MessageRead message{lastSender_,
                        FormatTimeStamp(lastTimeStamp_),
                        hasText ? decoded.text : ConvertGSMToText(read->pdu),
                        {lastReadIndex_}};
    if (hasText && decoded.concat && decoded.concat->total > 1) {
        const int index = static_cast<int>(WholeNumber(lastReadIndex_).value_or(0));
        if (auto whole = assembler_.Add(lastSender_, *decoded.concat, message.text, index)) {
            message.text = std::move(whole->text);
            message.storeIndexes.clear();
            for (int part : whole->storeIndexes) {
                message.storeIndexes.push_back(std::to_string(part));
            }
        } else {
            message.text = IncompletePartText(*decoded.concat, message.text);
            message.whole = false;
        }
    }
    events_.MessageReceived(message);
}

// "+CDS: 25" and the PDU line: the status report goes to the status list.
void ModemLink::CdsReply(const std::string&) {
    ReadAndDecodePdu();
}

}  // namespace shortmsg
