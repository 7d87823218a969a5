// The replies that end a send: "+CMGS:" (an SMS accepted), "+SBDI:" (a short burst exchange's
// outcome) and "+SBDRT:" (the text of a received short burst message).
#include <string>

#include "link/at_commands.h"
#include "link/messages.h"
#include "link/modem_link.h"
#include "link/reply_parsers.h"

namespace shortmsg {
namespace {

constexpr long kSbdiKeywordLength = 6;  // "+SBDI:"

// MO status of "+SBDI:": 0 nothing was waiting to be sent, 1 sent, 2 the attempt failed.
enum MoStatus { kMoNothingToSend = 0, kMoSent = 1, kMoFailed = 2 };
// MT status: 1 a message was received, 2 the mailbox check failed.
enum MtStatus { kMtReceived = 1, kMtFailed = 2 };

}  // namespace

// "+CMGS: 5": the message reference is not used; the "OK" after it releases the queue.
void ModemLink::CmgsReply(const std::string&) {
    MessageBodyConfirmed();
    events_.SendConfirmed();
    events_.SendFinished();
}

// "+SBDI: 1, 5, 1, 7, 12, 0": releases the queue, reports the outgoing message's outcome and
// fetches a message waiting at the gateway. A status that is not a whole number is "other".
void ModemLink::SbdiReply(const std::string& line) {
    const SbdiFields fields = ParseSbdi(line, MatchPos + kSbdiKeywordLength);
    ModemAnswered();
    switch (fields.moStatus.value_or(-1)) {
        case kMoNothingToSend:
            events_.ErrorReported(texts::kSbdNothingToSend);
            break;
        case kMoSent:
            events_.SendConfirmed();
            break;
        case kMoFailed:
            events_.ErrorReported(texts::kSbdSendFailed);
            break;
        default:
            break;
    }
    events_.SendFinished();
    switch (fields.mtStatus.value_or(-1)) {
        case kMtReceived:
            QueueCommand(at::kSbdReadText);
            break;
        case kMtFailed:
            events_.ErrorReported(texts::kSbdReceiveFailed);
            break;
        default:
            break;
    }
}

// "+SBDRT:" and, on the line after it, the remote party's text. The text is taken from two
// characters after this line's delimiter up to the CR that ends it, waiting within the
// bound for that CR. It is taken out of the buffer whether or not "SBM Enabled" is checked:
// it is never dispatched as a line, so an "OK" or "+CMTI:" in it is no modem reply.
void ModemLink::SbdrtReply(const std::string&) {
    const auto end = FindAfterLine(0, "\r", ReplyDeadline());
    rx_.TakeAfterLine(end ? *end + 1 : rx_.AfterLine().size());
    if (!settings_.sbmEnabled) return;
    if (!end) {
        ModemAnswered();
        events_.ErrorReported(texts::kSbdTextIncomplete);
        return;
    }
    const std::string text(*end > 0 ? rx_.AfterLine().substr(1, *end - 1) : std::string_view{});
    events_.ShortBurstTextReceived(text);
    ModemAnswered();
}

}  // namespace shortmsg
