// shortmsg-pdu: encode and decode SMS PDUs and decode RMC sentences from the command line.
#include <functional>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "pdu_commands.h"
#include "tool_arguments.h"
#include "usage_text.h"

namespace {

using namespace shortmsg;

constexpr int kAllHandled = 0;
constexpr int kSomeRefused = 1;
constexpr int kUsageError = 2;

int Print(const ToolOutcome& outcome) {
    std::cout << outcome.lines << '\n';
    return outcome.refused ? kSomeRefused : kAllHandled;
}

bool IsBlank(std::string_view line) {
    return line.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

// The one input from the command line, or every non-blank line of standard input.
int RunEach(const std::optional<std::string>& input,
            const std::function<ToolOutcome(std::string_view)>& run) {
    if (input) return Print(run(*input));
    int status = kAllHandled;
    std::string line;
    while (std::getline(std::cin, line)) {
        if (IsBlank(line)) continue;
        if (Print(run(line)) != kAllHandled) status = kSomeRefused;
        std::cout.flush();
    }
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    const auto parsed = ParseToolArguments(args);
    if (!parsed) {
        std::cerr << "shortmsg-pdu: " << parsed.error() << "\n"
                  << kToolUsage << "Try 'shortmsg-pdu --help' for more.\n";
        return kUsageError;
    }
    switch (parsed->command) {
        case ToolCommand::Help:
            std::cout << kToolUsage << '\n' << kToolHelp;
            return kAllHandled;
        case ToolCommand::Encode:
            return Print(RunEncode(parsed->encode));
        case ToolCommand::Decode: {
            PduDecoder decoder(parsed->join);
            return RunEach(parsed->input,
                           [&decoder](std::string_view pdu) { return decoder.Run(pdu); });
        }
        case ToolCommand::Rmc:
            return RunEach(parsed->input, RunRmc);
    }
    return kUsageError;
}
