// shortmsg-replay: runs the terminal against a scenario on a virtual clock and prints what
// it did. See arguments.cpp for the command line and scenario.h / printer.h for the formats.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <system_error>

#include "arguments.h"
#include "runner.h"
#include "scenario.h"

namespace fs = std::filesystem;
using namespace shortmsg::replay;

namespace {

bool ReadAll(const std::string& path, std::string& text) {
    if (path == "-") {
        text.assign(std::istreambuf_iterator<char>(std::cin), {});
        return !std::cin.bad();
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    text.assign(std::istreambuf_iterator<char>(in), {});
    return !in.bad();
}

// A fresh folder under the system's temporary folder.
bool MakeTempRoot(fs::path& root) {
    std::error_code ec;
    const fs::path base = fs::temp_directory_path(ec);
    if (ec) return false;
    std::string name = (base / "shortmsg-replay-XXXXXX").string();
    if (::mkdtemp(name.data()) == nullptr) return false;
    root = name;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const ParsedArguments parsed = ParseArguments(std::vector<std::string>(argv + 1, argv + argc));
    const Arguments& args = parsed.arguments;
    if (!parsed.error.empty() || args.help) {
        if (!parsed.error.empty()) std::cerr << "shortmsg-replay: " << parsed.error << "\n";
        (args.help ? std::cout : std::cerr) << kUsage;
        return args.help && parsed.error.empty() ? 0 : 2;
    }

    std::string text;
    if (!ReadAll(args.scenario, text)) {
        std::cerr << "shortmsg-replay: cannot read " << args.scenario << "\n";
        return 1;
    }
    const ParsedScenario scenario = ParseScenario(text);
    std::optional<ScenarioError> error = scenario.error;
    if (!error) error = CheckControls(scenario.events);
    if (error) {
        std::cerr << args.scenario << ":" << error->line << ": " << error->message << "\n";
        return 2;
    }

    RunSettings settings;
    settings.until = args.until.value_or(DefaultUntil(scenario.events));
    settings.debugWindow = args.debugWindow;
    const bool temporary = !args.dataRoot;
    if (temporary) {
        if (!MakeTempRoot(settings.dataRoot)) {
            std::cerr << "shortmsg-replay: cannot make a temporary data folder\n";
            return 1;
        }
    } else {
        settings.dataRoot = *args.dataRoot;
    }

    RunScenario(scenario.events, settings, std::cout);
    std::cout.flush();

    if (temporary && args.keep) std::cerr << "data root kept: " << settings.dataRoot << "\n";
    if (temporary && !args.keep) {
        std::error_code ec;
        fs::remove_all(settings.dataRoot, ec);
    }
    return std::cout ? 0 : 1;
}
