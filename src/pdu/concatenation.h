#pragma once
// Messages in parts: the concatenation information of one part, and the assembler that
// keeps the parts of incomplete sets until the whole text can be shown.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace shortmsg {

// From the user-data header (information element 00, 8-bit reference, or 08, 16-bit).
struct Concatenation {
    int reference = 0;
    int part = 0;   // 1 .. total
    int total = 0;  // at least 1
    bool sixteenBit = false;

    friend bool operator==(const Concatenation&, const Concatenation&) = default;
};

// A set whose parts are all there: the text of parts 1 .. total in order, and each part's
// store index in the same order.
struct WholeMessage {
    std::string text;
    std::vector<int> storeIndexes;
};

// Keeps the parts of incomplete sets, keyed by sender, reference and total.
class MessageAssembler {
  public:
    static constexpr std::size_t kMaxIncompleteSets = 32;

    // Adds one part. Gives the whole message when this part completes its set (the set is
    // then forgotten), nothing while parts are missing. A part whose place is taken already
    // is ignored (the first one is kept). Starting a 33rd incomplete set drops the oldest.
    std::optional<WholeMessage> Add(std::string_view sender, const Concatenation& concat,
                                    std::string_view text, int storeIndex);
    std::size_t IncompleteSets() const { return sets_.size(); }

  private:
    struct Part {
        std::string text;
        int storeIndex = 0;
    };
    struct Set {
        std::string sender;
        int reference = 0;
        std::vector<std::optional<Part>> parts;  // one place per part
        std::size_t present = 0;
    };
    std::vector<Set> sets_;  // oldest first
};

// What the terminal shows for a part of an incomplete set: "(part 1 of 3) " + its text.
std::string IncompletePartText(const Concatenation& concat, std::string_view text);

}  // namespace shortmsg
