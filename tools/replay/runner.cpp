#include "runner.h"

#include <algorithm>
#include <functional>

#include "platform/disk_files.h"
#include "platform/testing/scripted_port.h"
#include "platform/testing/virtual_clock.h"
#include "platform/testing/virtual_services.h"
#include "printer.h"
#include "ui/terminal.h"

namespace shortmsg::replay {
namespace {

using Ms = VirtualClock::Ms;

constexpr Ms kRunOnAfterLastEvent = 5000;

// At time 0 the ports and the clock are set before the terminal starts.
bool BeforeStartUp(const ScenarioEvent& e) {
    return e.at < 0 || (e.at == 0 && (e.type == EventType::Port || e.type == EventType::Clock));
}

Control* FindIn(Form& sms, const std::function<Form&()>& options, std::string_view name) {
    const size_t dot = name.find('.');
    if (dot != std::string_view::npos) {
        const std::string_view form = name.substr(0, dot);
        const std::string_view control = name.substr(dot + 1);
        if (form == sms.Name()) return sms.Find(control);
        if (form == "OptionsForm") return options().Find(control);
        return nullptr;
    }
    if (Control* c = sms.Find(name)) return c;
    return options().Find(name);
}

// The control a scenario names: "Form.Control", or "Control" looked up in SMS, then in
// OptionsForm (which touching creates). nullptr when there is none.
Control* FindControl(Terminal& app, std::string_view name) {
    return FindIn(
        app.Sms(), [&app]() -> Form& { return app.Options(); }, name);
}

// The order events run in: by time, equal times in file order, except that at time 0 the
// port and clock events come first. `startAt` is the index in the result before which the
// terminal starts.
std::vector<ScenarioEvent> RunOrder(const std::vector<ScenarioEvent>& events, size_t& startAt) {
    std::vector<ScenarioEvent> ordered = events;
    std::stable_sort(ordered.begin(), ordered.end(), [](const auto& a, const auto& b) {
        if (a.at != b.at) return a.at < b.at;
        return BeforeStartUp(a) && !BeforeStartUp(b);
    });
    startAt = static_cast<size_t>(std::count_if(ordered.begin(), ordered.end(), BeforeStartUp));
    return ordered;
}

// Whether the control can take the operator's action.
bool Accepts(const Control* c, EventType type) {
    const bool box = dynamic_cast<const TextBox*>(c) != nullptr;
    const bool combo = dynamic_cast<const ComboBox*>(c) != nullptr;
    switch (type) {
        case EventType::Click:
            return box || dynamic_cast<const Button*>(c) || dynamic_cast<const CheckBox*>(c);
        case EventType::Pick:
            return combo;
        case EventType::Type:
            return box || combo;
        default:
            return true;
    }
}

void Operate(Control& c, const ScenarioEvent& e) {
    if (auto* button = dynamic_cast<Button*>(&c)) {
        button->Press();
    } else if (auto* check = dynamic_cast<CheckBox*>(&c)) {
        check->Toggle();
    } else if (auto* combo = dynamic_cast<ComboBox*>(&c)) {
        if (e.type == EventType::Pick) combo->Pick(e.text);
        if (e.type == EventType::Type) combo->Type(e.text);
    } else if (auto* box = dynamic_cast<TextBox*>(&c)) {
        if (e.type == EventType::Click) box->Click();
        if (e.type == EventType::Type) box->Type(e.text);
    }
}

}  // namespace

std::int64_t DefaultUntil(const std::vector<ScenarioEvent>& events) {
    Ms last = 0;
    for (const ScenarioEvent& e : events) last = std::max(last, e.at);
    return last + kRunOnAfterLastEvent;
}

std::optional<ScenarioError> CheckControls(const std::vector<ScenarioEvent>& events) {
    // The windows, looked at without running them.
    VirtualServices services;
    Terminal app(services.All());
    SMS sms(app);
    OptionsForm options(app);
    for (const ScenarioEvent& e : events) {
        if (IsWorldEvent(e.type)) continue;
        const Control* c = FindIn(
            sms, [&options]() -> Form& { return options; }, e.control);
        if (c == nullptr) return ScenarioError{e.line, "no control named " + e.control};
        if (!Accepts(c, e.type)) {
            return ScenarioError{e.line, e.control + " cannot take that action"};
        }
    }
    return std::nullopt;
}

void RunScenario(const std::vector<ScenarioEvent>& events, const RunSettings& settings,
                 std::ostream& out) {
    size_t startAt = 0;
    const std::vector<ScenarioEvent> ordered = RunOrder(events, startAt);
    VirtualClock clock(ordered.empty() ? 0 : std::min<Ms>(0, ordered.front().at));
    PortAvailability availability;
    ReplayPrinter printer(out, clock, settings.debugWindow);
    ScriptedPort modem(clock, availability,
                       [&](Ms, std::string_view bytes) { printer.PortWrite("modem", bytes); });
    ScriptedPort gps(clock, availability,
                     [&](Ms, std::string_view bytes) { printer.PortWrite("gps", bytes); });
    DiskFiles disk(settings.dataRoot);
    RecordingFiles files(disk, [&](const std::string& path, std::string_view bytes) {
        printer.FileWrite(path, bytes);
    });
    PrintedMessageBox box(printer);
    PrintedProgramEnd end(printer);
    Terminal app(Services{modem, gps, clock, clock, box, end, files}, &printer);

    using Kind = VirtualClock::EventKind;
    for (size_t i = 0; i <= ordered.size(); ++i) {
        if (i == startAt) clock.Schedule(0, Kind::Operator, [&app] { app.Start(); });
        if (i == ordered.size()) break;
        const ScenarioEvent& e = ordered[i];
        const Kind kind = IsWorldEvent(e.type) ? Kind::World : Kind::Operator;
        clock.Schedule(e.at, kind, [&, e] {
            switch (e.type) {
                case EventType::Modem:
                    modem.Arrive(e.text);
                    break;
                case EventType::Gps:
                    gps.Arrive(e.text);
                    break;
                case EventType::Port:
                    availability.SetPresent(e.port, e.present);
                    break;
                case EventType::Clock:
                    clock.SetLocalTime(e.clock);
                    break;
                default:
                    if (Control* c = FindControl(app, e.control)) Operate(*c, e);
            }
        });
    }
    clock.RunUntil(settings.until, [&printer] { return printer.Ended(); });
}

}  // namespace shortmsg::replay
