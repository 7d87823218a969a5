#pragma once
// A fuzzer's input read as a script: one byte at a time (0 once it is used up), and pieces
// of text whose length is the byte before them.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

struct FuzzScript {
    std::string_view data;
    bool More() const { return !data.empty(); }
    std::uint8_t Byte() {
        if (data.empty()) return 0;
        const auto b = static_cast<std::uint8_t>(data.front());
        data.remove_prefix(1);
        return b;
    }
    // 1 to `most` bytes, fewer at the end of the input.
    std::string_view Text(std::size_t most) {
        const std::size_t wanted = Byte() % most + 1;  // read before the size is taken
        const std::size_t n = std::min(wanted, data.size());
        const std::string_view text = data.substr(0, n);
        data.remove_prefix(n);
        return text;
    }
};
