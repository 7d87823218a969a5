#pragma once
// The queue of AT commands waiting for the modem (the terminal's TxModemBuffer), the
// command written last, and the two things the pump remembers about it: whether a ">"
// prompt is awaited, and how many resends have been used.
//
// Producers append whole lines, each ending in CR LF. The pump writes one line at a time;
// the line written last stays at the head of the queue until the next is written, as the
// terminal's rules count it. A replacement (the sanity reset) puts a new queue in place
// whose first line counts as written already. The lines of an outgoing message carry the
// message's number, so that a message can be dropped whole and reported once.
#include <deque>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace shortmsg {

// What a queued line is, by its text.
enum class LineRole {
    Command,
    SendCommand,  // "AT+CMGS=": a ">" prompt asks for the body
    MessageBody,  // PDU, Ctrl-Z, CR LF: written only after the prompt
    SbdText,      // "AT+SBDWT=" with the text
    SbdExchange,  // "AT+SBDI"
};
LineRole RoleOf(std::string_view line);

struct QueuedLine {
    std::string text;  // with its CR LF
    int message = 0;   // the outgoing message it belongs to; 0 for none
};

class CommandQueue {
  public:
    // Appends `command` and CR LF. A CR LF inside the text ends a line there: the pump
    // writes up to each CR LF in turn.
    void Append(std::string_view command, int message = 0);
    // Appends text made of whole lines, each ending in CR LF (a message body: PDU, Ctrl-Z,
    // CR LF).
    void AppendLines(std::string_view lines, int message = 0);

    bool HasNext() const { return !waiting_.empty(); }
    // The next line to write; only while HasNext().
    const QueuedLine& Next() const { return waiting_.front(); }
    // The next line was written: it becomes the head and LastCommandSent.
    void Written();

    // The line written last as it stands in the queue (empty text when none).
    const QueuedLine& Head() const { return head_; }
    // The lines still waiting to be written, after the head, as one text.
    std::string Waiting() const;
    // The head and the waiting lines: what a reset drops.
    std::string HeadAndWaiting() const;
    // Whether a line with exactly this text waits; whether the last waiting line is it.
    bool Holds(std::string_view line) const;
    bool LastIs(std::string_view line) const {
        return !waiting_.empty() && waiting_.back().text == line;
    }
    // The messages with lines at the head or waiting, in no particular order.
    std::set<int> Messages() const;
    // Whether a line of `message` still waits.
    bool Holds(int message) const;
    // Takes every waiting line of `message` out of the queue.
    void DropMessage(int message);
    // Takes the waiting lines out (the head stays): what a restart carries over.
    std::deque<QueuedLine> TakeWaiting();
    void Restore(std::deque<QueuedLine> lines);
    // Puts `line` (with CR LF) before the trailing run of lines equal to `trailer` (or
    // at the end when the queue does not end with one).
    void InsertBeforeTrailing(std::string_view command, std::string_view trailer);

    // Replaces the whole queue; the first line counts as written already (it stands for a
    // command written outside the queue). LastCommandSent is not changed.
    void ReplaceWith(const std::vector<std::string_view>& commands);
    // Forgets the head, so that everything queued waits (a start without the port).
    void DropHead() { head_ = {}; }

    // The exact text of the command written last: written again on a time-out.
    const std::string& LastCommandSent() const { return lastCommandSent_; }
    void SetLastCommandSent(std::string text) { lastCommandSent_ = std::move(text); }

    // Resends of the command in flight. The count is not reset when a command is answered,
    // only when it reaches three: true while a resend is still allowed (and counts it),
    // false when the command is given up (and the count starts again).
    bool UseResend();
    void ResetResends() { resendCount_ = 0; }

    // A ">" prompt is awaited for the "AT+CMGS=" written last.
    bool LookForSendMessagePrompt = false;

  private:
    QueuedLine head_;
    std::deque<QueuedLine> waiting_;
    std::string lastCommandSent_;
    int resendCount_ = 0;
};

}  // namespace shortmsg
