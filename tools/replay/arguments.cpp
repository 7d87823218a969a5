#include "arguments.h"

#include "scenario.h"

namespace shortmsg::replay {

const char* const kUsage =
    "usage: shortmsg-replay [--until T] [--data-root DIR] [--keep] [--debug-window] SCENARIO\n"
    "\n"
    "Runs the terminal on a virtual clock against SCENARIO (a file, or - for standard input)\n"
    "and prints what it did, one line per event.\n"
    "\n"
    "  --until T         run everything due at or before T seconds (default: 5 s after the\n"
    "                    last event)\n"
    "  --data-root DIR   the folder for the position logs (default: a fresh temporary\n"
    "                    folder, removed afterwards)\n"
    "  --keep            keep the temporary data folder and print its name on stderr\n"
    "  --debug-window    also print the options window's DebugWindow text\n"
    "\n"
    "Exit status: 0 done, 1 a file could not be read or written, 2 a malformed scenario or\n"
    "command line.\n";

ParsedArguments ParseArguments(const std::vector<std::string>& args) {
    ParsedArguments result;
    Arguments& a = result.arguments;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--help" || arg == "-h") {
            a.help = true;
        } else if (arg == "--keep") {
            a.keep = true;
        } else if (arg == "--debug-window") {
            a.debugWindow = true;
        } else if (arg == "--until" && hasValue) {
            std::string error;
            a.until = ParseTime(args[++i], error);
            if (!a.until) result.error = "--until: " + error;
        } else if (arg == "--data-root" && hasValue) {
            a.dataRoot = args[++i];
        } else if (arg == "--until" || arg == "--data-root") {
            result.error = arg + " needs a value";  // it is the last argument
        } else if (arg.starts_with("--")) {
            result.error = "unknown option " + arg;
        } else if (a.scenario.empty()) {
            a.scenario = arg;
        } else {
            result.error = "only one scenario can be given";
        }
        if (!result.error.empty()) return result;
    }
    if (a.scenario.empty() && !a.help) result.error = "no scenario given";
    return result;
}

}  // namespace shortmsg::replay
