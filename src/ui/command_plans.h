// The decisions behind the operator's commands, as pure functions of what the boxes hold.
#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "link/phone_book.h"

namespace shortmsg {

// What Send checks before an SMS, in this order: every failing check's text, in order (each
// is shown in turn, so the last one is what the operator sees). Empty: the SMS may go.
std::vector<std::string_view> SmsSendChecks(std::string_view sendToAddress,
                                            std::string_view message,
                                            std::string_view serviceCenterAddress,
                                            bool useScaInPhone);

// Next: what to do with the index ("Index=") and count ("#of SM=") boxes.
struct NextPlan {
    bool askCounts = false;                   // one of the boxes is empty: "AT+CPMS?" only
    std::optional<std::string> steppedIndex;  // the index after stepping (wraps to "1")
    std::optional<std::string> resetIndex;    // "1" when the stepped index is 0 or less
    bool read = false;                        // "AT+CMGR=" with the index box's text
};
NextPlan PlanNext(std::string_view indexText, std::string_view countText);

// Erase: ask for the counts, erase the message on display, or nothing.
enum class EraseAction { AskCounts, Erase, Nothing };
EraseAction PlanErase(std::string_view indexText, std::string_view countText);

// The phone-book pick: the first slot from the first index on whose name is `name` exactly
// (the tables hold the entries of the last reading only, wherever the SIM keeps them);
// nullopt when none matches or the first index is not a whole number of 1 or more.
std::optional<int> FindPhoneBookSlot(const std::array<std::string, kPhoneBookSlots>& names,
                                     std::string_view firstIndex, std::string_view name);

}  // namespace shortmsg
