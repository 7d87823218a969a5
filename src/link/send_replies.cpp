// The replies that end a send: "+CMGS:" (an SMS accepted), "+SBDI:" (a short burst exchange's
// outcome) and "+SBDRT:" (the text of a received short burst message).
#include <string>

#include "link/at_commands.h"
#include "link/messages.h"
#include "link/modem_link.h"
#include "link/reply_parsers.h"
#include "pdu/utf8.h"

namespace shortmsg {
namespace {

constexpr long kSbdiKeywordLength = 6;  // "+SBDI:"

// MO status of "+SBDI:": 0 nothing was waiting to be sent, 1 sent, 2 the attempt failed.
enum MoStatus { kMoNothingToSend = 0, kMoSent = 1, kMoFailed = 2 };
// MT status: 1 a message was received, 2 the mailbox check failed.
enum MtStatus { kMtReceived = 1, kMtFailed = 2 };

}  // namespace

// "+CMGS: 5": the message reference is not used; the "OK" after it releases the queue. A
// message in parts is confirmed when its last part is.
void ModemLink::CmgsReply(const std::string&) {
    awaitingBodyResult_ = false;
    MessageBodyConfirmed();
    const int message = MessageInFlight();
    if (message != 0 && !outbox_.PartConfirmed(message)) return;
    events_.SendConfirmed(message);
    events_.SendFinished();
}

// "+SBDI: 1, 5, 1, 7, 12, 0": releases the queue, reports the outgoing message's outcome and
// fetches a message waiting at the gateway. A status that is not a whole number is "other".
// A mailbox check (an exchange with nothing to send) reports only what it brought.
void ModemLink::SbdiReply(const std::string& line) {
    const SbdiFields fields = ParseSbdi(line, MatchPos + kSbdiKeywordLength);
    ModemAnswered();
    const int message = MessageInFlight();
    if (message != 0) outbox_.Close(message);
    const bool mailboxCheck = message == 0 && RoleOf(queue_.Head().text) == LineRole::SbdExchange;
    if (!mailboxCheck) ReportSbdOutcome(fields.moStatus.value_or(-1), message);
    switch (fields.mtStatus.value_or(-1)) {
        case kMtReceived:
            mtLength_ = fields.mtLength.value_or(-1);
            QueueCommand(at::kSbdReadText);
            break;
        case kMtFailed:
            events_.ErrorReported(texts::kSbdReceiveFailed);
            break;
        default:
            break;
    }
}

void ModemLink::ReportSbdOutcome(int moStatus, int message) {
    switch (moStatus) {
        case kMoNothingToSend:
            events_.ErrorReported(texts::kSbdNothingToSend);
            break;
        case kMoSent:
            events_.SendConfirmed(message);
            break;
        case kMoFailed:
            events_.ErrorReported(texts::kSbdSendFailed);
            break;
        default:
            break;
    }
    events_.SendFinished();
}

// "+SBDRT:" and, after its line end, the remote party's text: exactly as many bytes as the
// "+SBDI:" that announced it gave as the MT length, or, where that is not known, the text up
// to the CR LF that ends it, waiting for the rest within the tick's budget. It is taken out
// of the buffer whether or not "SBM Enabled" is checked, and never dispatched: nothing in it
// ("OK", "+CMTI:", "+SBDI:", a whole forged reply) counts as a modem reply.
void ModemLink::SbdrtReply(const std::string&) {
    // The modem's buffer keeps the last message it received, so its length stands for every
    // read of it (a reply doubled, or a read answered late and again after its resend).
    const long length = mtLength_;
    // The text starts after the line end that is there: the LF of a CR LF pair is skipped.
    const bool pair =
        rx_.LineDelimiter() == '\r' && AwaitAfterLine(1) && rx_.AfterLine()[0] == '\n';
    const std::size_t start = pair ? 1 : 0;
    std::optional<std::size_t> end;
    if (length >= 0) {
        if (AwaitAfterLine(start + static_cast<std::size_t>(length))) {
            end = start + static_cast<std::size_t>(length);
        }
    } else {
        end = FindAfterLine(start, at::kLineEnd);
    }
    rx_.TakeAfterLine(end ? *end : rx_.AfterLine().size());
    if (!settings_.sbmEnabled) return;
    ModemAnswered();
    if (!end) {
        events_.ErrorReported(texts::kSbdTextIncomplete);
        return;
    }
    // Short burst data is ISO 8859-1; the terminal's text is UTF-8.
    events_.ShortBurstTextReceived(Latin1ToUtf8(rx_.AfterLine().substr(start, *end - start)));
}

}  // namespace shortmsg
