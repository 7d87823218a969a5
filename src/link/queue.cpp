// The producers' side of the command queue: complete lines appended, never removed.
#include <string>

#include "link/at_commands.h"
#include "pdu/encoder.h"
#include "ui/sms.h"

namespace shortmsg {

void SMS::QueueCommand(std::string_view command) {
    TxModemBuffer.append(command).append(at::kLineEnd);
}

void SMS::QueueSmsSubmit(const std::string& pdu) {
    QueueSmsSubmit(pdu, UseTpduSendLength ? TpduLength(pdu) : WholePduLength(pdu));
}

void SMS::QueueSmsSubmit(const std::string& pdu, int length) {
    QueueCommand(std::string(at::kSendMessage) + std::to_string(length));
    TxModemBuffer.append(pdu).append(1, at::kCtrlZ).append(at::kLineEnd);
    LookForSendMessagePrompt = true;
    QueueCommand(at::kIndicationsNoReports);
    QueueCommand(at::kStorageQuery);
}

void SMS::QueueSbdMessage(std::string_view text) {
    QueueCommand(std::string(at::kSbdWriteText).append(text));
    QueueCommand(at::kSbdExchange);
}

}  // namespace shortmsg
