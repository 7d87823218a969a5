#pragma once
// The simulator's command line.
#include <optional>
#include <string>
#include <vector>

namespace shortmsg::modemsim {

struct Arguments {
    std::string ports;   // --ports DIR: the port map folder (made when missing)
    double seconds = 0;  // --seconds N: stop after N seconds; 0: run until stopped
    double every = 20;   // --every S: a new message every S seconds
    double first = 3;    // --first S: the first S seconds after initialisation
    double mail = -1;    // --mail S: a short burst message at the gateway S seconds after
                         // initialisation; below 0: none
    // --silence START,SECONDS: the modem ignores what it is sent and says nothing from
    // START seconds after the simulator started, for SECONDS (0: never silent).
    double silenceStart = 0;
    double silenceSeconds = 0;
    bool help = false;
};

// nullopt (with the reason in `error`) for an unknown option, a missing value, a number
// that is not one, or no --ports.
std::optional<Arguments> ParseArguments(const std::vector<std::string>& args, std::string& error);

extern const char* const kUsage;

}  // namespace shortmsg::modemsim
