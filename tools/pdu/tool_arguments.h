#pragma once
// The command line of shortmsg-pdu:
//   encode --to NUMBER [--sca NUMBER] [--report] [--ref N] [--] TEXT
//   decode [--join] [HEX]
//   rmc [SENTENCE]
//   --help
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "pdu/result.h"

namespace shortmsg {

enum class ToolCommand { Help, Encode, Decode, Rmc };

// What `encode` was asked for, as typed (the text still UTF-8).
struct EncodeRequest {
    std::string to;
    std::optional<std::string> sca;
    bool report = false;
    std::uint8_t reference = 0;  // of a message in parts
    std::string text;
};

struct ToolArguments {
    ToolCommand command = ToolCommand::Help;
    EncodeRequest encode;
    // decode and rmc: the one input given on the command line; none means standard input.
    std::optional<std::string> input;
    // decode: also print each message in parts once all its parts have been read.
    bool join = false;
};

// `args` without the program name. Fails with the reason for a usage error.
Result<ToolArguments> ParseToolArguments(const std::vector<std::string_view>& args);

}  // namespace shortmsg
