// The supervision timers: the half-second housekeeping tick, the 20 s sanity check of the
// modem and the response time-out.
#include "link/at_commands.h"
#include "link/messages.h"
#include "link/text.h"
#include "ui/terminal.h"

namespace shortmsg {
namespace {

constexpr int kSentConfirmationTicks = 8;  // shown while the count has not passed this
constexpr int kNewMessageTicks = 10;
constexpr int kErrorBlinkTicks = 6;

// Counts one tick of a running highlight; true when it has run past `lastTick` (the flag
// and the count are then reset).
bool HighlightEnds(bool& running, int& ticks, int lastTick) {
    if (!running || ++ticks <= lastTick) return false;
    ticks = 0;
    running = false;
    return true;
}

void RunDownSentConfirmation(SMS& sms) {
    if (!HighlightEnds(sms.SentHighlight, sms.SentHighlightTicks, kSentConfirmationTicks)) return;
    sms.SMinputWindow.SetBackColor(kWhite);
    sms.SMinputWindow.SetText(sms.SavedInputText);
}

void RunDownNewMessage(SMS& sms) {
    if (!HighlightEnds(sms.NewMessageHighlight, sms.NewMessageHighlightTicks, kNewMessageTicks)) {
        return;
    }
    sms.MTDisplayWindow.SetBackColor(kWhite);
}

void BlinkError(SMS& sms) {
    if (!sms.ErrorBlink) return;
    TextBox& box = sms.ErrorMessageWindow;
    sms.SendButton.SetEnabled(true);
    box.SetVisible(true);
    ++sms.ErrorBlinkTicks;
    box.SetBackColor(box.BackColor() == kWhite ? kRed : kWhite);
    if (sms.ErrorBlinkTicks <= kErrorBlinkTicks) return;
    sms.ErrorBlinkTicks = 0;
    sms.ErrorBlink = false;
    box.SetBackColor(kRed);
    box.SetVisible(false);
}

// Whether the queue still holds an unconfirmed message: an "AT+CMGS=" with its body, or a
// short burst text.
bool QueueHoldsMessage(const std::string& queue) {
    return InStr(1, queue, at::kSendMessage) > 0 || InStr(1, queue, at::kSbdWriteText) > 0;
}

void ResetModem(SMS& sms) {
    sms.MO_Supported.SetFillColor(kRed);
    sms.MT_Supported.SetFillColor(kRed);
    sms.MSComm1.Output(std::string(at::kReset).append(at::kLineEnd));
    if (QueueHoldsMessage(Mid(sms.TxModemBuffer, sms.TxCommandStart))) {
        sms.ReportError(texts::kNotSentModemReset);
    }
    sms.TxModemBuffer.clear();
    for (std::string_view command : at::kReinitialisation) {
        sms.TxModemBuffer.append(command).append(at::kLineEnd);
    }
    sms.TxCommandStart = 1;
    sms.TxCommandEnd = InStr(1, sms.TxModemBuffer, at::kLineEnd);
    // No "AT+CMGS=" is left in the queue, so no ">" prompt is expected any more: a ">" in
    // later modem text (a phone-book name cut at a chunk's end) is not taken for one.
    sms.LookForSendMessagePrompt = false;
}

}  // namespace

void SMS::OneHalfSecondTimer_Timer() {
    if (QuickSmsChosen) QuickMessagePick();
    if (PhoneBookChosen) PhoneBookPick();
    RunDownSentConfirmation(*this);
    RunDownNewMessage(*this);
    BlinkError(*this);
}

void SMS::SanityTimer_Timer() {
    // A port that could not be opened (or went away) is tried again on every check.
    if (!MSComm1.PortOpen()) MSComm1.Open();
    if (ModemResponding) {
        ModemResponding = false;
        QueueCommand(at::kServiceQuery);
        QueueCommand(Options().RegisteredSM.Checked() ? at::kIndicationsWithReports
                                                      : at::kIndicationsNoReports);
    } else {
        ResetModem(*this);
    }
}

void SMS::ResponseTimeOutTimer_Timer() {
    ResponseTimedOut = true;
}

}  // namespace shortmsg
