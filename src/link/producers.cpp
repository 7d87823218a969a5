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

void ModemLink::QueueSmsSubmit(const std::string& pdu, int message) {
    QueueSmsSubmit(pdu, UseTpduSendLength ? TpduLength(pdu) : WholePduLength(pdu), message);
}

void ModemLink::QueueSmsSubmit(const std::string& pdu, int length, int message) {
    queue_.Append(std::string(at::kSendMessage) + std::to_string(length), message);
    queue_.AppendLines(std::string(pdu).append(1, at::kCtrlZ).append(at::kLineEnd), message);
    QueueCommand(at::kIndicationsNoReports);
    QueueCommand(at::kStorageQuery);
}

int ModemLink::QueueTextMessage(std::string_view text, std::string_view destination) {
    const SubmitSettings settings{settings_.useScaInPhone, settings_.registered,
                                  settings_.serviceCenter};
    const auto pdu =
        EncodeSubmitPDU(ConvertTextToGSM(text), ConvertDialedDigits(destination), settings);
    if (!pdu) {
        events_.ErrorReported(pdu.error());
        return 0;
    }
    const int message = outbox_.Open();
    QueueSmsSubmit(*pdu, message);
    return message;
}

int ModemLink::QueueSbdMessage(std::string_view text) {
    const int message = outbox_.Open();
    queue_.Append(std::string(at::kSbdWriteText).append(text), message);
    queue_.Append(at::kSbdExchange, message);
    return message;
}

}  // namespace shortmsg
