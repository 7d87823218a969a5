// The replies that end a send: "+CMGS:" (an SMS accepted), "+SBDI:" (a short burst exchange's
// outcome) and "+SBDRT:" (the text of a received short burst message).
#include <string>

#include "link/at_commands.h"
#include "link/messages.h"
#include "link/reply_parsers.h"
#include "link/reply_wait.h"
#include "link/text.h"
#include "ui/terminal.h"

namespace shortmsg {
namespace {

constexpr long kSbdiKeywordLength = 6;  // "+SBDI:"

// MO status of "+SBDI:": 0 nothing was waiting to be sent, 1 sent, 2 the attempt failed.
enum MoStatus { kMoNothingToSend = 0, kMoSent = 1, kMoFailed = 2 };
// MT status: 1 a message was received, 2 the mailbox check failed.
enum MtStatus { kMtReceived = 1, kMtFailed = 2 };

// " Message sent: " and the message on green in the input box; the half-second tick puts
// the message back on white after nine ticks. A confirmation that comes while another is
// showing keeps the operator's text saved, unless the operator has put new text in the box
// meanwhile: the box never gets its own confirmation saved as the message.
void ShowSentConfirmation(SMS& sms) {
    const bool showing = sms.SentHighlight && sms.SMinputWindow.Text() == sms.SentConfirmationText;
    sms.SentHighlight = true;
    sms.SMinputWindow.SetBackColor(kGreen);
    if (!showing) sms.SavedInputText = sms.SMinputWindow.Text();
    sms.SMinputWindow.SetText(std::string(texts::kMessageSentPrefix).append(sms.SavedInputText));
    sms.SentConfirmationText = sms.SMinputWindow.Text();
}

void ModemAnswered(SMS& sms) {
    sms.ModemResponding = true;
    if (!sms.ReadyForNextCommand) sms.ReadyForNextCommand = true;
}

}  // namespace

// "+CMGS: 5": the message reference is not used; the "OK" after it releases the queue.
void SMS::CmgsReply(const std::string&) {
    ShowSentConfirmation(*this);
    SendButton.SetEnabled(true);
}

// "+SBDI: 1, 5, 1, 7, 12, 0": releases the queue, shows the outgoing message's outcome and
// fetches a message waiting at the gateway. A status that is not a whole number is "other".
void SMS::SbdiReply(const std::string& line) {
    const SbdiFields fields = ParseSbdi(line, MatchPos + kSbdiKeywordLength);
    ModemAnswered(*this);
    switch (fields.moStatus.value_or(-1)) {
        case kMoNothingToSend:
            ReportError(texts::kSbdNothingToSend);
            break;
        case kMoSent:
            ShowSentConfirmation(*this);
            break;
        case kMoFailed:
            ReportError(texts::kSbdSendFailed);
            break;
        default:
            break;
    }
    SendButton.SetEnabled(true);
    switch (fields.mtStatus.value_or(-1)) {
        case kMtReceived:
            QueueCommand(at::kSbdReadText);
            break;
        case kMtFailed:
            ReportError(texts::kSbdReceiveFailed);
            break;
        default:
            break;
    }
}

// "+SBDRT:" and, on the line after it, the remote party's text. The text is taken from two
// characters after this line's delimiter up to the CR that ends it, waiting within the
// bound for that CR. It is taken out of the buffer whether or not "SBM Enabled" is checked:
// it is never dispatched as a line, so an "OK" or "+CMTI:" in it is no modem reply.
void SMS::SbdrtReply(const std::string&) {
    const long end = ReplyWait(*this).Find(RxLineEnd + 1, "\r");
    RxConsumedEnd = end != 0 ? end : static_cast<long>(RxModemBuffer.size());
    if (!Options().SBM_Enabled.Checked()) return;
    if (end == 0) {
        ModemAnswered(*this);
        ReportError(texts::kSbdTextIncomplete);
        return;
    }
    NewMessageHighlight = true;
    NewMessageHighlightTicks = 0;
    MTDisplayWindow.SetBackColor(kGreen);
    const std::string text = Mid(RxModemBuffer, RxLineEnd + 2, end - RxLineEnd - 2);
    MTDisplayWindow.SetText(std::string(texts::kNewSbmPrefix).append(text));
    ModemAnswered(*this);
    if (Options().EnableGPS.Checked()) App().Gps().GPSQueryFromSBM(text);
}

}  // namespace shortmsg
