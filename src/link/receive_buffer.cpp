#include "link/receive_buffer.h"

#include <algorithm>

#include "link/text.h"

namespace shortmsg {
namespace {

constexpr long kCompactionThreshold = 800;
constexpr char kCR = '\r';
constexpr char kLF = '\n';

}  // namespace

void ReceiveBuffer::Append(std::string_view bytes) {
    rx_.append(bytes);
    Bound();
}

void ReceiveBuffer::Extend(std::string_view bytes) {
    if (Full()) return;
    rx_.append(bytes, 0, kReceiveBufferLimit - rx_.size());
}

std::size_t ReceiveBuffer::UnparsedSize() const {
    const auto start = static_cast<std::size_t>(RxLineStart - 1);
    return start < rx_.size() ? rx_.size() - start : 0;
}

// Drops the oldest unparsed text beyond the limit, and the parsed text before it.
void ReceiveBuffer::Bound() {
    if (rx_.size() <= kReceiveBufferLimit) return;
    const auto start = static_cast<std::size_t>(RxLineStart - 1);
    if (start < rx_.size() && rx_.size() - start <= kReceiveBufferLimit) {
        rx_.erase(0, start);
    } else {
        rx_.erase(0, rx_.size() - kReceiveBufferLimit);
    }
    RxLineStart = 1;
}

char ReceiveBuffer::ChooseDelimiter(long from, std::string_view crText) const {
    return InStr(from, rx_, crText) > InStr(from, rx_, "\n") ? kCR : kLF;
}

void ReceiveBuffer::StartCutting() {
    delimiter_ = ChooseDelimiter(RxLineStart, "\r");
    lineGiven_ = false;
    consumedEnd_ = 0;
}

bool ReceiveBuffer::Compact() {
    rx_ = Mid(rx_, RxLineStart);
    RxLineStart = 1;
    delimiter_ = ChooseDelimiter(1, "\r\n");
    RxLineEnd = InStr(1, rx_, std::string_view(&delimiter_, 1));
    // Neither CR LF nor LF: the text up to its first CR is the line, so that cutting
    // always moves on.
    if (RxLineEnd == 0) RxLineEnd = InStr(1, rx_, "\r");
    return RxLineEnd != 0;
}

std::optional<std::string> ReceiveBuffer::NextLine() {
    for (;;) {
        if (lineGiven_) {
            lineGiven_ = false;
            if (consumedEnd_ > RxLineEnd) RxLineEnd = consumedEnd_;
            consumedEnd_ = 0;
            RxLineStart = RxLineEnd + 1;
            delimiter_ = kCR;
        }
        RxLineEnd = InStr(RxLineStart, rx_, std::string_view(&delimiter_, 1));
        if (RxLineEnd == 0) return std::nullopt;
        if (RxLineEnd > kCompactionThreshold && !Compact()) return std::nullopt;
        if (RxLineEnd - RxLineStart > 0) {
            lineGiven_ = true;
            return Mid(rx_, RxLineStart, RxLineEnd - RxLineStart);
        }
        RxLineStart = RxLineEnd + 1;  // an empty line is skipped
        delimiter_ = kCR;
    }
}

std::string_view ReceiveBuffer::AfterLine() const {
    const auto end = static_cast<std::size_t>(RxLineEnd);
    return end < rx_.size() ? std::string_view(rx_).substr(end) : std::string_view{};
}

void ReceiveBuffer::TakeAfterLine(std::size_t count) {
    consumedEnd_ = RxLineEnd + static_cast<long>(count);
}

bool ReceiveBuffer::PromptWaiting() const {
    std::string_view tail(rx_);
    tail.remove_prefix(std::min(tail.size(), static_cast<std::size_t>(RxLineStart - 1)));
    const size_t prompt = tail.find_first_not_of("\r\n");
    if (prompt == std::string_view::npos || tail[prompt] != '>') return false;
    return tail.find_first_not_of(' ', prompt + 1) == std::string_view::npos;
}

char ReceiveBuffer::LineDelimiter() const {
    return RxLineEnd > 0 ? rx_[static_cast<std::size_t>(RxLineEnd - 1)] : '\0';
}

bool ReceiveBuffer::TakePrompt() {
    const long prompt = InStr(RxLineStart, rx_, ">");
    if (prompt == 0) return false;
    RxLineStart = prompt + 1;
    return true;
}

}  // namespace shortmsg
