#include "arguments.h"

#include <cstdlib>

namespace shortmsg::modemsim {

const char* const kUsage =
    "usage: shortmsg-modemsim --ports DIR [--seconds N] [--every S] [--first S]\n"
    "                         [--silence START,SECONDS] [--mail S]\n"
    "  A simulated phone modem (COM1) and GPS receiver (COM3) on pseudo-terminals,\n"
    "  linked from the port map folder DIR. Logs what the modem receives and answers.\n"
    "  --seconds N  stop after N seconds (default: run until interrupted)\n"
    "  --every S    a new message arrives every S seconds (default 20)\n"
    "  --first S    the first one S seconds after the terminal's initialisation (default 3)\n"
    "  --silence START,SECONDS\n"
    "               the modem ignores everything and says nothing for SECONDS, from START\n"
    "               seconds after the start\n"
    "  --mail S     a short burst message waits at the gateway S seconds after the\n"
    "               terminal's initialisation (\"SBDRING\" when it asked for ring alerts)\n";

namespace {

std::optional<double> Seconds(const std::string& text) {
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (text.empty() || end != text.c_str() + text.size() || !(value >= 0) || value > 1e6) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

std::optional<Arguments> ParseArguments(const std::vector<std::string>& args, std::string& error) {
    Arguments parsed;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (option == "--help" || option == "-h") {
            parsed.help = true;
            return parsed;
        }
        if (i + 1 >= args.size()) {
            error = option.starts_with("--") ? option + " needs a value" : "unknown " + option;
            return std::nullopt;
        }
        const std::string& value = args[++i];
        if (option == "--ports") {
            parsed.ports = value;
            continue;
        }
        if (option == "--silence") {
            const size_t comma = value.find(',');
            const auto start = Seconds(value.substr(0, comma));
            const auto length =
                comma == value.npos ? std::nullopt : Seconds(value.substr(comma + 1));
            if (!start || !length) {
                error = "--silence takes START,SECONDS, not " + value;
                return std::nullopt;
            }
            parsed.silenceStart = *start;
            parsed.silenceSeconds = *length;
            continue;
        }
        double* number = option == "--seconds" ? &parsed.seconds
                         : option == "--every" ? &parsed.every
                         : option == "--first" ? &parsed.first
                         : option == "--mail"  ? &parsed.mail
                                               : nullptr;
        if (number == nullptr) {
            error = "unknown option " + option;
            return std::nullopt;
        }
        const auto seconds = Seconds(value);
        if (!seconds) {
            error = option + " takes a number of seconds, not " + value;
            return std::nullopt;
        }
        *number = *seconds;
    }
    if (parsed.ports.empty()) {
        error = "--ports DIR is needed";
        return std::nullopt;
    }
    return parsed;
}

}  // namespace shortmsg::modemsim
