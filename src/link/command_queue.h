#pragma once
// The queue of AT commands waiting for the modem (the terminal's TxModemBuffer), the
// command written last, and the two things the pump remembers about it: whether a ">"
// prompt is awaited, and how many resends have been used.
//
// Producers append whole lines, each ending in CR LF; nothing else removes a line. The pump
// writes one line at a time; the line written last stays at the head of the queue until the
// next is written, as the terminal's rules count it. A replacement (the sanity reset) puts a
// new queue in place whose first line counts as written already.
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace shortmsg {

class CommandQueue {
  public:
    // Appends `command` and CR LF. A CR LF inside the text ends a line there: the pump
    // writes up to each CR LF in turn.
    void Append(std::string_view command);
    // Appends text made of whole lines, each ending in CR LF (a message body: PDU, Ctrl-Z,
    // CR LF).
    void AppendLines(std::string_view lines);

    bool HasNext() const { return !waiting_.empty(); }
    // The next line to write, with its CR LF; only while HasNext().
    const std::string& Next() const { return waiting_.front(); }
    // The next line was written: it becomes the head and LastCommandSent.
    void Written();

    // The line written last as it stands in the queue ("" when none).
    const std::string& Head() const { return head_; }
    // The lines still waiting to be written, after the head, as one text.
    std::string Waiting() const;
    // The head and the waiting lines: what a reset drops.
    std::string HeadAndWaiting() const;
    // Replaces the whole queue; the first line counts as written already (it stands for a
    // command written outside the queue). LastCommandSent is not changed.
    void ReplaceWith(const std::vector<std::string_view>& commands);
    // Forgets the head, so that everything queued waits (a start without the port).
    void DropHead() { head_.clear(); }

    // The exact text of the command written last: written again on a time-out.
    const std::string& LastCommandSent() const { return lastCommandSent_; }
    void SetLastCommandSent(std::string text) { lastCommandSent_ = std::move(text); }

    // Resends of the command in flight. The count is not reset when a command is answered,
    // only when it reaches three: true while a resend is still allowed (and counts it),
    // false when the command is given up (and the count starts again).
    bool UseResend();
    int ResendCount() const { return resendCount_; }
    void ResetResends() { resendCount_ = 0; }

    // A ">" prompt is awaited for a queued "AT+CMGS=".
    bool LookForSendMessagePrompt = false;

  private:
    std::string head_;  // the line written last as it stands in the queue ("" when none)
    std::deque<std::string> waiting_;
    std::string lastCommandSent_;
    int resendCount_ = 0;
};

}  // namespace shortmsg
