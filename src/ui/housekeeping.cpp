// The half-second housekeeping tick of the main window: the deferred picks, the timed
// highlights and the blinking error box.
#include "ui/sms.h"

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

}  // namespace

void SMS::OneHalfSecondTimer_Timer() {
    if (QuickSmsChosen) QuickMessagePick();
    if (PhoneBookChosen) PhoneBookPick();
    // The message comes back only where the confirmation still stands: what the operator
    // typed meanwhile stays.
    const bool confirmationShown = ShowsConfirmation();
    if (HighlightEnds(SentHighlight, SentHighlightTicks, kSentConfirmationTicks)) {
        SMinputWindow.SetBackColor(kWhite);
        if (confirmationShown) SMinputWindow.SetText(SavedInputText);
    }
    if (HighlightEnds(NewMessageHighlight, NewMessageHighlightTicks, kNewMessageTicks)) {
        MTDisplayWindow.SetBackColor(kWhite);
    }
    if (!ErrorBlink) return;
    SendButton.SetEnabled(true);
    ErrorMessageWindow.SetVisible(true);
    ++ErrorBlinkTicks;
    ErrorMessageWindow.SetBackColor(ErrorMessageWindow.BackColor() == kWhite ? kRed : kWhite);
    if (ErrorBlinkTicks <= kErrorBlinkTicks) return;
    ErrorBlinkTicks = 0;
    ErrorBlink = false;
    ErrorMessageWindow.SetBackColor(kRed);
    ErrorMessageWindow.SetVisible(false);
}

}  // namespace shortmsg
