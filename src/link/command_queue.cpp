#include "link/command_queue.h"

#include "link/at_commands.h"

namespace shortmsg {

void CommandQueue::Append(std::string_view command) {
    std::string text(command);
    text.append(at::kLineEnd);
    AppendLines(text);
}

void CommandQueue::AppendLines(std::string_view lines) {
    for (size_t end; (end = lines.find(at::kLineEnd)) != std::string_view::npos;) {
        waiting_.emplace_back(lines.substr(0, end + at::kLineEnd.size()));
        lines.remove_prefix(end + at::kLineEnd.size());
    }
}

void CommandQueue::Written() {
    head_ = std::move(waiting_.front());
    waiting_.pop_front();
    lastCommandSent_ = head_;
}

std::string CommandQueue::Waiting() const {
    std::string text;
    for (const std::string& line : waiting_) text += line;
    return text;
}

std::string CommandQueue::HeadAndWaiting() const {
    return head_ + Waiting();
}

void CommandQueue::ReplaceWith(const std::vector<std::string_view>& commands) {
    waiting_.clear();
    head_.clear();
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
