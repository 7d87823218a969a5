#include "ui/command_plans.h"

#include <algorithm>

#include "link/messages.h"
#include "link/reply_fields.h"

namespace shortmsg {
namespace {

constexpr int kFirstMessage = 1;

}  // namespace

std::vector<std::string_view> SmsSendChecks(std::string_view sendToAddress,
                                            std::string_view message,
                                            std::string_view serviceCenterAddress,
                                            bool useScaInPhone) {
    std::vector<std::string_view> failed;
    if (sendToAddress.empty()) failed.push_back(texts::kNoAddress);
    if (message.empty()) failed.push_back(texts::kNoMessage);
    if (serviceCenterAddress.empty() && !useScaInPhone) failed.push_back(texts::kNoServiceCenter);
    return failed;
}

NextPlan PlanNext(std::string_view indexText, std::string_view countText) {
    NextPlan plan;
    if (indexText.empty() || countText.empty()) {
        plan.askCounts = true;
        return plan;
    }
    const int count = IntegerValueOr0(countText);
    int index = IntegerValueOr0(indexText);
    if (count >= 1) {
        index = index < count ? index + 1 : kFirstMessage;
        plan.steppedIndex = std::to_string(index);
    }
    if (count > 0 && index > 0) {
        plan.read = true;
    } else if (count >= 1) {
        plan.resetIndex = std::to_string(kFirstMessage);
        plan.read = true;
    }
    return plan;
}

EraseAction PlanErase(std::string_view indexText, std::string_view countText) {
    if (indexText.empty() || countText.empty()) return EraseAction::AskCounts;
    const bool erase = IntegerValueOr0(countText) > 0 && IntegerValueOr0(indexText) > 0;
    return erase ? EraseAction::Erase : EraseAction::Nothing;
}

std::optional<int> FindPhoneBookSlot(const std::array<std::string, kPhoneBookSlots>& names,
                                     std::string_view firstIndex, std::string_view name) {
    const int first = IntegerValueOr0(firstIndex);
    if (first < 1) return std::nullopt;
    for (int slot = first; slot < kPhoneBookSlots; ++slot) {
        if (names[static_cast<size_t>(slot)] == name) return slot;
    }
    return std::nullopt;
}

}  // namespace shortmsg
