// The 200 ms serial service loop: drains the modem port, cuts and dispatches lines,
// notices the ">" prompt, writes at most one queued command and resends on a time-out.
#include <string>

#include "link/at_commands.h"
#include "link/dispatch.h"
#include "link/messages.h"
#include "link/send_length.h"
#include "link/text.h"
#include "ui/terminal.h"

namespace shortmsg {
namespace {

constexpr long kCompactionThreshold = 800;

constexpr char kCR = '\r';
constexpr char kLF = '\n';

// The delimiter of a line: the later of the first CR and the first LF (CR wins only when
// it comes after the first LF).
char ChooseDelimiter(long crPosition, long lfPosition) {
    return crPosition > lfPosition ? kCR : kLF;
}

// Drops the oldest unparsed text beyond the limit, and the parsed text before it.
void BoundReceiveBuffer(SMS& sms) {
    std::string& rx = sms.RxModemBuffer;
    const size_t start = static_cast<size_t>(sms.RxLineStart - 1);
    if (rx.size() <= kReceiveBufferLimit) return;
    if (start < rx.size() && rx.size() - start <= kReceiveBufferLimit) {
        rx.erase(0, start);
    } else {
        rx.erase(0, rx.size() - kReceiveBufferLimit);
    }
    sms.RxLineStart = 1;
}

// The messages a given-up command leaves unsent: a message body (ends in Ctrl-Z) or a short
// burst message's text or exchange.
bool CarriesMessage(std::string_view command) {
    return command.find(at::kCtrlZ) != std::string_view::npos ||
           command.starts_with(at::kSbdWriteText) || command.starts_with(at::kSbdExchange);
}

}  // namespace

void SMS::ServiceSerialPortMSComm1Timer_Timer() {
    if (MSComm1.InBufferCount() != 0) {
        if (!MSComm1.PortOpen()) MSComm1.Open();
        RxModemBuffer += MSComm1.Input();
        BoundReceiveBuffer(*this);
        Options().DebugWindow.SetText(RxModemBuffer);
        CutAndDispatchLines(*this);
        // The prompt: a ">" after the last complete line.
        if (LookForSendMessagePrompt) {
            const long prompt = InStr(RxLineStart, RxModemBuffer, ">");
            if (prompt > 0) {
                PromptReceived = true;
                RxLineStart = prompt + 1;
                LookForSendMessagePrompt = false;
            }
        }
    }
    PumpCommand(*this);
    ResendOnTimeOut(*this);
}

void CutAndDispatchLines(SMS& sms) {
    std::string& rx = sms.RxModemBuffer;
    char delimiter =
        ChooseDelimiter(InStr(sms.RxLineStart, rx, "\r"), InStr(sms.RxLineStart, rx, "\n"));
    for (;;) {
        sms.RxLineEnd = InStr(sms.RxLineStart, rx, std::string_view(&delimiter, 1));
        if (sms.RxLineEnd == 0) break;
        if (sms.RxLineEnd > kCompactionThreshold) {
            rx = Mid(rx, sms.RxLineStart);
            sms.RxLineStart = 1;
            delimiter = ChooseDelimiter(InStr(1, rx, "\r\n"), InStr(1, rx, "\n"));
            sms.RxLineEnd = InStr(1, rx, std::string_view(&delimiter, 1));
            // Neither CR LF nor LF: the text up to its first CR is the line, so that the
            // loop always moves on.
            if (sms.RxLineEnd == 0) sms.RxLineEnd = InStr(1, rx, "\r");
            if (sms.RxLineEnd == 0) break;
        }
        if (sms.RxLineEnd - sms.RxLineStart > 0) {
            DispatchLine(sms, Mid(rx, sms.RxLineStart, sms.RxLineEnd - sms.RxLineStart));
            // A handler that took the text after its line out of the buffer (the remote
            // party's text after "+SBDRT:") leaves where that text ends: it is never cut
            // into lines of its own, so nothing in it counts as a modem reply. The next
            // line starts after it, as if it had been this line's delimiter.
            if (sms.RxConsumedEnd > sms.RxLineEnd) sms.RxLineEnd = sms.RxConsumedEnd;
            sms.RxConsumedEnd = 0;
        }
        sms.RxLineStart = sms.RxLineEnd + 1;
        delimiter = kCR;
    }
}

void PumpCommand(SMS& sms) {
    if (!sms.ReadyForNextCommand && !sms.PromptReceived) return;
    Timer& timeout = sms.ResponseTimeOutTimer;
    if (timeout.Enabled()) timeout.SetEnabled(false);
    std::string& tx = sms.TxModemBuffer;
    const long next = InStr(sms.TxCommandEnd + 2, tx, at::kLineEnd);
    if (next == 0) return;

    sms.TxCommandStart = sms.TxCommandEnd + 2;
    sms.TxCommandEnd = next;
    sms.LastCommandSent = Mid(tx, sms.TxCommandStart, sms.TxCommandEnd + 2 - sms.TxCommandStart);
    sms.MSComm1.Output(sms.LastCommandSent);
    NoteCommandWritten(sms, sms.LastCommandSent);
    tx = Mid(tx, sms.TxCommandStart);
    sms.TxCommandStart = 1;
    sms.TxCommandEnd = InStr(1, tx, at::kLineEnd);

    if (sms.ReadyForNextCommand) sms.ReadyForNextCommand = false;
    if (timeout.Enabled()) timeout.SetEnabled(false);
    if (sms.PromptReceived) {
        sms.PromptReceived = false;
        timeout.SetInterval(kMessageBodyTimeOut);
    } else {
        timeout.SetInterval(kCommandTimeOut);
    }
    if (!timeout.Enabled()) timeout.SetEnabled(true);
}

void ResendOnTimeOut(SMS& sms) {
    if (!sms.ResponseTimedOut) return;
    Timer& timeout = sms.ResponseTimeOutTimer;
    if (timeout.Enabled()) timeout.SetEnabled(false);
    sms.ResponseTimedOut = false;
    if (sms.ResendCount < 3) {
        sms.MSComm1.Output(sms.LastCommandSent);
        if (!timeout.Enabled()) timeout.SetEnabled(true);
        ++sms.ResendCount;
        return;
    }
    sms.ResendCount = 0;
    if (!sms.ReadyForNextCommand) sms.ReadyForNextCommand = true;
    if (CarriesMessage(sms.LastCommandSent)) sms.ReportError(texts::kNotSentNoAnswer);
}

}  // namespace shortmsg
