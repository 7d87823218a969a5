#include "pdu/concatenation.h"

#include <algorithm>

namespace shortmsg {

std::optional<WholeMessage> MessageAssembler::Add(std::string_view sender,
                                                  const Concatenation& concat,
                                                  std::string_view text, int storeIndex) {
    if (concat.total < 1 || concat.part < 1 || concat.part > concat.total) return std::nullopt;
    const std::size_t total = static_cast<std::size_t>(concat.total);
    auto set = std::find_if(sets_.begin(), sets_.end(), [&](const Set& s) {
        return s.sender == sender && s.reference == concat.reference && s.parts.size() == total;
    });
    if (set == sets_.end()) {
        if (total == 1) return WholeMessage{std::string(text), {storeIndex}};
        if (sets_.size() == kMaxIncompleteSets) sets_.erase(sets_.begin());
        sets_.push_back({std::string(sender), concat.reference, {}, 0});
        sets_.back().parts.resize(total);
        set = sets_.end() - 1;
    }
    auto& place = set->parts[static_cast<std::size_t>(concat.part) - 1];
    if (place) return std::nullopt;
    place = Part{std::string(text), storeIndex};
    if (++set->present < total) return std::nullopt;

    WholeMessage whole;
    for (const auto& part : set->parts) {
        whole.text += part->text;
        whole.storeIndexes.push_back(part->storeIndex);
    }
    sets_.erase(set);
    return whole;
}

std::string IncompletePartText(const Concatenation& concat, std::string_view text) {
    return "(part " + std::to_string(concat.part) + " of " + std::to_string(concat.total) + ") " +
           std::string(text);
}

}  // namespace shortmsg
