#pragma once
// The command line of shortmsg-replay.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace shortmsg::replay {

struct Arguments {
    std::string scenario;               // the file, or "-" for standard input
    std::optional<std::int64_t> until;  // ms
    std::optional<std::string> dataRoot;
    bool keep = false;
    bool debugWindow = false;
    bool help = false;
};

struct ParsedArguments {
    Arguments arguments;
    std::string error;  // empty when the line is good
};

ParsedArguments ParseArguments(const std::vector<std::string>& args);

extern const char* const kUsage;

}  // namespace shortmsg::replay
