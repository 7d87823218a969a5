// Incoming messages: "+CMTI:" announces one and has it read, "+CMGR:" brings it (its PDU on
// the line after), "+CDS:" brings a status report the phone passes on.
#include <optional>
#include <string>

#include "gps/rmc_sentence.h"
#include "link/at_commands.h"
#include "link/messages.h"
#include "link/reply_parsers.h"
#include "link/reply_wait.h"
#include "link/text.h"
#include "pdu/alphabet.h"
#include "pdu/decoder.h"
#include "ui/terminal.h"

namespace shortmsg {
namespace {

struct ReadPdu {
    std::string pdu;  // the PDU text as cut from the buffer
    DecodedPDU decoded;
};

// The PDU line after the current line: from its first "0" (the service-centre length octet
// begins with it) up to the CR after it, waiting for the rest within the bound.
std::optional<std::string> CutPduLine(SMS& sms) {
    ReplyWait wait(sms);
    const long start = wait.Find(sms.RxLineEnd + 1, "0");
    const long end = start == 0 ? 0 : wait.Find(start, "\r");
    if (end == 0) return std::nullopt;
    return Mid(sms.RxModemBuffer, start, end - start);
}

// Reads and decodes the PDU after the current line. A message or a stored submit leaves its
// sender and time stamp for the display (a status report or an unknown type leaves the last
// ones as they were); a status report adds its line to the status list. A PDU that did not
// arrive, or that the decoder refuses, is reported in the error box and nothing is decoded.
std::optional<ReadPdu> ReadAndDecodePdu(SMS& sms) {
    auto pdu = CutPduLine(sms);
    if (!pdu) {
        sms.ReportError(texts::kPduIncomplete);
        return std::nullopt;
    }
    auto decoded = DecodeReceivedPDU(*pdu);
    if (!decoded) {
        sms.ReportError(decoded.error());
        return std::nullopt;
    }
    ReadPdu read{std::move(*pdu), std::move(decoded).value()};
    Terminal& app = sms.App();
    switch (read.decoded.type) {
        case PduType::Deliver:
        case PduType::Submit:
            app.PDU_SenderAddress = read.decoded.PDU_SenderAddress;
            app.PDU_TimeStamp = read.decoded.PDU_TimeStamp;
            break;
        case PduType::StatusReport:
            sms.Options().MO_Message_Status.AddItem(read.decoded.statusLine);
            break;
        case PduType::Unknown:
            break;
    }
    return read;
}

// A freshly announced message may be a position query, or a position to log and delete.
void ActOnNewMessage(SMS& sms) {
    Terminal& app = sms.App();
    OptionsForm& options = sms.Options();
    if (options.EnableGPS.Checked()) app.Gps().GPSQueryFromSMS();
    if (options.StoreRxGPS.Checked() && HoldsPositionSentence(app.ReceivedMessageText)) {
        app.Gps().StoreRxGPSPosition(app.ReceivedMessageText, app.PDU_SenderAddress);
        sms.QueueCommand(std::string(at::kDeleteMessage).append(sms.ReadSMSMemory1Index.Text()));
    }
}

}  // namespace

// "+CMTI: \"SM\",7": read message 7, refresh the count, highlight the received-message box.
// The index is taken to the end of the line, a stray CR included; an index that is not a
// whole number is no announcement the terminal can act on.
void SMS::CmtiReply(const std::string& line) {
    const auto index = ParseCmtiIndex(line, MatchPos);
    if (!index) return;
    QueueCommand(std::string(at::kReadMessage).append(*index));
    ReadSMSMemory1Index.SetText(*index);
    NewMessageHighlight = true;
    NewMessageHighlightTicks = 0;
    MTDisplayWindow.SetBackColor(kGreen);
    MTDisplayWindow.SetText(texts::kNewMessage);
    QueueCommand(at::kStorageQuery);
}

// "+CMGR: 0,,23" and the PDU line: sender, time stamp and text shown. A status report or an
// unknown type read from the store has no text of its own: the box shows its PDU, and the
// sender and time stamp of the last message stay. The PDU line stays in the buffer and is
// dispatched later as an ordinary line (it matches no keyword).
void SMS::CmgrReply(const std::string&) {
    const auto read = ReadAndDecodePdu(*this);
    if (!read) return;
    Terminal& app = App();
    FromAddress.SetText(app.PDU_SenderAddress);
    ShortMessageTimeStamp.SetText(FormatTimeStamp(app.PDU_TimeStamp));
    const bool hasText =
        read->decoded.type == PduType::Deliver || read->decoded.type == PduType::Submit;
    const std::string text = ConvertGSMToText(hasText ? read->decoded.gsmText : read->pdu);
    MTDisplayWindow.SetText(text);
    app.ReceivedMessageText = text;
    // Only a message announced by "+CMTI:" moments ago is acted on; one the operator steps
    // to with Next is only shown.
    if (NewMessageHighlight) ActOnNewMessage(*this);
}

// "+CDS: 25" and the PDU line: the status report goes to the status list.
void SMS::CdsReply(const std::string&) {
    ReadAndDecodePdu(*this);
}

}  // namespace shortmsg
