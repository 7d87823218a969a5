#include "link/command_queue.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "link/at_commands.h"

namespace shortmsg {

LineRole RoleOf(std::string_view line) {
    if (line.starts_with(at::kSendMessage)) return LineRole::SendCommand;
    if (line.find(at::kCtrlZ) != std::string_view::npos) return LineRole::MessageBody;
    if (line.starts_with(at::kSbdWriteText)) return LineRole::SbdText;
    if (line.starts_with(at::kSbdExchange)) return LineRole::SbdExchange;
    return LineRole::Command;
}

void CommandQueue::Append(std::string_view command, int message) {
    std::string text(command);
    text.append(at::kLineEnd);
    AppendLines(text, message);
}

void CommandQueue::AppendLines(std::string_view lines, int message) {
    for (size_t end; (end = lines.find(at::kLineEnd)) != std::string_view::npos;) {
        waiting_.push_back({std::string(lines.substr(0, end + at::kLineEnd.size())), message});
        lines.remove_prefix(end + at::kLineEnd.size());
    }
}

void CommandQueue::Written() {
    head_ = std::move(waiting_.front());
    waiting_.pop_front();
    lastCommandSent_ = head_.text;
}

std::string CommandQueue::Waiting() const {
    std::string text;
    for (const QueuedLine& line : waiting_) text += line.text;
    return text;
}

std::string CommandQueue::HeadAndWaiting() const {
    return head_.text + Waiting();
}

bool CommandQueue::Holds(std::string_view line) const {
    return std::any_of(waiting_.begin(), waiting_.end(),
                       [line](const QueuedLine& l) { return l.text == line; });
}

std::set<int> CommandQueue::Messages() const {
    std::set<int> messages;
    if (head_.message != 0) messages.insert(head_.message);
    for (const QueuedLine& line : waiting_) {
        if (line.message != 0) messages.insert(line.message);
    }
    return messages;
}

bool CommandQueue::Holds(int message) const {
    return std::any_of(waiting_.begin(), waiting_.end(),
                       [message](const QueuedLine& l) { return l.message == message; });
}

void CommandQueue::DropMessage(int message) {
    std::erase_if(waiting_, [message](const QueuedLine& l) { return l.message == message; });
}

std::deque<QueuedLine> CommandQueue::TakeWaiting() {
    return std::exchange(waiting_, {});
}

void CommandQueue::Restore(std::deque<QueuedLine> lines) {
    for (QueuedLine& line : lines) waiting_.push_back(std::move(line));
}

void CommandQueue::InsertBeforeTrailing(std::string_view command, std::string_view trailer) {
    auto at = waiting_.end();
    while (at != waiting_.begin() && std::prev(at)->text == trailer) --at;
    waiting_.insert(at, {std::string(command).append(at::kLineEnd), 0});
}

void CommandQueue::ReplaceWith(const std::vector<std::string_view>& commands) {
    waiting_.clear();
    head_ = {};
    for (std::string_view command : commands) Append(command);
    if (!waiting_.empty()) {
        head_ = std::move(waiting_.front());
        waiting_.pop_front();
    }
}

bool CommandQueue::UseResend() {
    if (resendCount_ < 3) {
        ++resendCount_;
        return true;
    }
    resendCount_ = 0;
    return false;
}

}  // namespace shortmsg
