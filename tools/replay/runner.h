#pragma once
// Runs the terminal on the virtual clock against a parsed scenario and prints what it did.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <ostream>
#include <vector>

#include "scenario.h"

namespace shortmsg::replay {

struct RunSettings {
    std::int64_t until = 0;  // ms: everything due at or before it runs
    std::filesystem::path dataRoot;
    bool debugWindow = false;
};

// The default end: 5 s after the last event (after 0 when there is none).
std::int64_t DefaultUntil(const std::vector<ScenarioEvent>& events);

// The first event naming a control that does not exist or cannot take that action (click:
// a button, check box or text box; pick: a combo box; type: a text or combo box).
std::optional<ScenarioError> CheckControls(const std::vector<ScenarioEvent>& events);

// Runs the scenario; the events must have passed CheckControls.
void RunScenario(const std::vector<ScenarioEvent>& events, const RunSettings& settings,
                 std::ostream& out);

}  // namespace shortmsg::replay
