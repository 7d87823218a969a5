// The producers' side of the command queue: complete lines appended, never removed.
#include <string>

#include "link/at_commands.h"
#include "link/messages.h"
#include "link/modem_link.h"
#include "link/text.h"
#include "pdu/dialled.h"
#include "pdu/encoder.h"
#include "pdu/utf8.h"

namespace shortmsg {

void ModemLink::QueueCommand(std::string_view command) {
    queue_.Append(command);
}

void ModemLink::QueueSmsSubmit(const std::string& pdu, int message, bool followUps) {
    QueueSmsSubmit(pdu, UseTpduSendLength ? TpduLength(pdu) : WholePduLength(pdu), message,
                   followUps);
}

void ModemLink::QueueSmsSubmit(const std::string& pdu, int length, int message, bool followUps) {
    queue_.Append(std::string(at::kSendMessage) + std::to_string(length), message);
    queue_.AppendLines(std::string(pdu).append(1, at::kCtrlZ).append(at::kLineEnd), message);
    if (!followUps) return;
    QueueCommand(at::kIndicationsNoReports);
    QueueCommand(at::kStorageQuery);
}

int ModemLink::QueueTextMessage(std::string_view text, std::string_view destination) {
    const SubmitSettings settings{settings_.useScaInPhone, settings_.registered,
                                  settings_.serviceCenter};
    const auto pdus =
        EncodeTextMessage(text, ConvertDialedDigits(destination), settings, nextReference_);
    if (!pdus) {
        events_.ErrorReported(pdus.error());
        return 0;
    }
    // A message in parts: each part its own "AT+CMGS=" and prompt, the follow-up commands
    // once after the last; the next message in parts gets the next reference.
    if (pdus->size() > 1) ++nextReference_;
    const int message = outbox_.Open(static_cast<int>(pdus->size()));
    for (size_t part = 0; part < pdus->size(); ++part) {
        QueueSmsSubmit((*pdus)[part], message, part + 1 == pdus->size());
    }
    return message;
}

int ModemLink::QueueSbdMessage(std::string_view text) {
    const auto latin1 = Utf8ToLatin1(text);
    if (!latin1) {
        events_.ErrorReported(texts::kSbdNotLatin1);
        return 0;
    }
    if (HoldsControlCharacter(*latin1)) {
        events_.ErrorReported(texts::kSbdControlCharacters);
        return 0;
    }
    const int message = outbox_.Open();
    queue_.Append(std::string(at::kSbdWriteText).append(*latin1), message);
    queue_.Append(at::kSbdExchange, message);
    return message;
}

}  // namespace shortmsg
