// The producers' side of the command queue: complete lines appended, never removed.
#include <string>

#include "link/at_commands.h"
#include "pdu/alphabet.h"
#include "pdu/dialled.h"
#include "pdu/encoder.h"
#include "ui/options_form.h"
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

bool SMS::QueueTextMessage(std::string_view text, std::string_view destination) {
    const OptionsForm& options = Options();
    const SubmitSettings settings{options.UseSCAinPhone.Checked(), options.RegisteredSM.Checked(),
                                  options.ServiceCenterAddress.Text()};
    const auto pdu =
        EncodeSubmitPDU(ConvertTextToGSM(text), ConvertDialedDigits(destination), settings);
    if (!pdu) {
        ReportError(pdu.error());
        return false;
    }
    QueueSmsSubmit(*pdu);
    return true;
}

void SMS::QueueSbdMessage(std::string_view text) {
    QueueCommand(std::string(at::kSbdWriteText).append(text));
    QueueCommand(at::kSbdExchange);
}

}  // namespace shortmsg
