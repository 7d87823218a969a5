// The producers' side of the command queue: complete lines appended, never removed.
#include <string>

#include "link/at_commands.h"
#include "link/modem_link.h"
#include "pdu/alphabet.h"
#include "pdu/dialled.h"
#include "pdu/encoder.h"

namespace shortmsg {

void ModemLink::QueueCommand(std::string_view command) {
    queue_.Append(command);
}

void ModemLink::QueueSmsSubmit(const std::string& pdu) {
    QueueSmsSubmit(pdu, UseTpduSendLength ? TpduLength(pdu) : WholePduLength(pdu));
}

void ModemLink::QueueSmsSubmit(const std::string& pdu, int length) {
    QueueCommand(std::string(at::kSendMessage) + std::to_string(length));
    queue_.AppendLines(std::string(pdu).append(1, at::kCtrlZ).append(at::kLineEnd));
    queue_.LookForSendMessagePrompt = true;
    QueueCommand(at::kIndicationsNoReports);
    QueueCommand(at::kStorageQuery);
}

bool ModemLink::QueueTextMessage(std::string_view text, std::string_view destination) {
    const SubmitSettings settings{settings_.useScaInPhone, settings_.registered,
                                  settings_.serviceCenter};
    const auto pdu =
        EncodeSubmitPDU(ConvertTextToGSM(text), ConvertDialedDigits(destination), settings);
    if (!pdu) {
        events_.ErrorReported(pdu.error());
        return false;
    }
    QueueSmsSubmit(*pdu);
    return true;
}

void ModemLink::QueueSbdMessage(std::string_view text) {
    QueueCommand(std::string(at::kSbdWriteText).append(text));
    QueueCommand(at::kSbdExchange);
}

}  // namespace shortmsg
