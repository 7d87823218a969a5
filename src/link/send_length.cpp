#include "link/send_length.h"

#include <cctype>
#include <string>

#include "link/at_commands.h"
#include "link/messages.h"
#include "link/modem_link.h"
#include "link/text.h"
#include "pdu/encoder.h"

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

// The pump wrote `command`: the length of an "AT+CMGS=" line and the index of an "AT+CMGR="
// line are kept for the replies to come.
void ModemLink::NoteCommandWritten(std::string_view command) {
    if (command.starts_with(at::kSendMessage)) {
        LastSendLength = WholeNumber(command.substr(at::kSendMessage.size())).value_or(-1);
    }
    if (command.starts_with(at::kReadMessage)) {
        const auto index = WholeNumber(command.substr(at::kReadMessage.size()));
        lastReadIndex_ = index ? std::to_string(*index) : std::string();
    }
}

bool ModemLink::WillRetryRefusedBody(const std::string& code) const {
    const std::string_view pdu = BodyPdu(queue_.LastCommandSent());
    return !pdu.empty() && IsInvalidPduModeParameter(code) && LastSendLength == WholePduLength(pdu);
}

// A "+CMS ERROR:" answered the message body written last: the message goes once more in the
// standard dialect, or it does not go (the error shown says why; a refusal in both dialects
// is reported in words of its own).
void ModemLink::MessageBodyRefused(const std::string& code, bool retry) {
    const std::string pdu(BodyPdu(queue_.LastCommandSent()));
    const int message = queue_.Head().message;
    if (retry) {
        QueueSmsSubmit(pdu, TpduLength(pdu), message);
    } else if (!pdu.empty() && IsInvalidPduModeParameter(code)) {
        MessageFailed(message, texts::kNotSentRefused);
    } else {
        MessageFailed(message, "");
    }
}

// A "+CMGS:" confirmed the message body written last.
void ModemLink::MessageBodyConfirmed() {
    const std::string_view pdu = BodyPdu(queue_.LastCommandSent());
    if (!pdu.empty() && LastSendLength == TpduLength(pdu)) UseTpduSendLength = true;
}

}  // namespace shortmsg
