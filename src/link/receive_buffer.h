#pragma once
// What the modem sent and the terminal has not yet discarded (its RxModemBuffer), and the
// cutting of it into lines.
//
// Lines are cut by the terminal's rules, which count character positions from 1 (0: not
// found), as its fields RxLineStart and RxLineEnd hold them; those positions stay inside
// this class. In each tick the first line ends at the later of the first CR and the first
// LF, every further line at a CR, so a line of a CR LF modem may begin with the LF of the
// pair before it or end with a stray CR; lines are given as they stand. Once a line ends
// past character 800 the parsed text is dropped. The unparsed text never grows beyond
// kReceiveBufferLimit: a modem that sends no line end loses its oldest text instead of the
// terminal's memory.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace shortmsg {

inline constexpr std::size_t kReceiveBufferLimit = 64 * 1024;

class ReceiveBuffer {
  public:
    // A tick's input: appended, then the oldest unparsed text beyond the limit is dropped.
    void Append(std::string_view bytes);
    // Input read while a reply handler waits for the rest of its reply: appended up to the
    // limit, nothing dropped (the handler's positions must stay).
    void Extend(std::string_view bytes);
    // The whole buffer, parsed lines included.
    const std::string& Text() const { return rx_; }
    bool Full() const { return rx_.size() >= kReceiveBufferLimit; }
    // Characters after the last complete line.
    std::size_t UnparsedSize() const;

    // Starts cutting the lines of this tick.
    void StartCutting();
    // The next complete, non-empty line of this tick; nullopt when none is left.
    std::optional<std::string> NextLine();
    // The text after the delimiter of the line given last, as far as it has arrived.
    std::string_view AfterLine() const;
    // The line given last is cut again by the next NextLine (after the next StartCutting).
    void PutBackLine() { lineGiven_ = false; }
    // A handler took `count` characters after the line's delimiter (the remote party's text
    // of a short burst message): the next line starts after them, so they are never cut
    // into lines of their own.
    void TakeAfterLine(std::size_t count);
    // The ">" prompt: a ">" after the last complete line is taken, and the next line starts
    // after it. False when there is none.
    bool TakePrompt();
    // Whether the text after the last complete line is a prompt alone: CR and LF, then ">"
    // and blanks (as a modem waiting for a message body sends it).
    bool PromptWaiting() const;
    // The delimiter that ended the line given last (CR or LF).
    char LineDelimiter() const;

  private:
    void Bound();
    // The first delimiter of a tick: the later of the first CR (or `crText`) and first LF.
    char ChooseDelimiter(long from, std::string_view crText) const;
    // Drops the parsed text once a line ends past the threshold; false when no line is left.
    bool Compact();

    std::string rx_;
    long RxLineStart = 1;
    long RxLineEnd = 0;
    long consumedEnd_ = 0;  // the last character a handler took, 0: none
    char delimiter_ = '\r';
    bool lineGiven_ = false;  // NextLine gave a line not yet stepped past
};

}  // namespace shortmsg
