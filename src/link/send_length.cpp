#include "link/send_length.h"

#include <cctype>

#include "link/at_commands.h"
#include "link/messages.h"
#include "link/text.h"
#include "pdu/encoder.h"
#include "ui/sms.h"

namespace shortmsg {
namespace {

// The PDU of a message body ("<hex>" Ctrl-Z CR LF); empty for any other command.
std::string_view BodyPdu(std::string_view command) {
    const size_t ctrlZ = command.find(at::kCtrlZ);
    return ctrlZ == std::string_view::npos ? std::string_view{} : command.substr(0, ctrlZ);
}

}  // namespace

bool IsInvalidPduModeParameter(std::string_view code) {
    if (WholeNumber(code) == 304) return true;
    constexpr std::string_view kWords = "invalidpdumodeparameter";
    std::string folded;
    for (char c : code) {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') continue;
        folded += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return folded == kWords;
}

void NoteCommandWritten(SMS& sms, std::string_view command) {
    if (command.starts_with(at::kSendMessage)) {
        sms.LastSendLength = WholeNumber(command.substr(at::kSendMessage.size())).value_or(-1);
    }
}

void MessageBodyRefused(SMS& sms, const std::string& code) {
    const std::string pdu(BodyPdu(sms.LastCommandSent));
    if (pdu.empty() || !IsInvalidPduModeParameter(code)) return;
    if (sms.LastSendLength == WholePduLength(pdu)) {
        sms.QueueSmsSubmit(pdu, TpduLength(pdu));  // once more, in the standard dialect
    } else {
        sms.ReportError(texts::kNotSentRefused);
    }
}

void MessageBodyConfirmed(SMS& sms) {
    const std::string_view pdu = BodyPdu(sms.LastCommandSent);
    if (!pdu.empty() && sms.LastSendLength == TpduLength(pdu)) sms.UseTpduSendLength = true;
}

}  // namespace shortmsg
