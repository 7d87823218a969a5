#pragma once
// A replay scenario: one event per line, "#" starts a comment.
//
//   T modem "<bytes>"              bytes arrive from the modem
//   T gps "<bytes>"                bytes arrive from the GPS receiver
//   T click <Control>              the operator clicks a button, check box or text box
//   T pick <Combo> "<item>"        the operator picks a list item
//   T type <Control> "<text>"      the operator replaces the text of a text or combo box
//   T port N absent|present        serial port N stops or starts being available
//   T clock "YYYY-MM-DD hh:mm:ss"  the local date and time from T on
//
// T is seconds from start-up with at most three decimals. Bytes, ports and the clock may
// also be given a time before start-up (a negative T): what the terminal finds when it
// starts. A control is named alone or with its window ("OptionsForm.EnableGPS").
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/date_time.h"

namespace shortmsg::replay {

enum class EventType { Modem, Gps, Click, Pick, Type, Port, Clock };

struct ScenarioEvent {
    int line = 0;
    std::int64_t at = 0;  // ms from start-up
    EventType type = EventType::Modem;
    std::string control;  // Click, Pick, Type: the name as written
    std::string text;     // Modem, Gps: the bytes; Pick: the item; Type: the text
    std::string port;     // Port: the port number's text
    bool present = true;  // Port
    DateTime clock;       // Clock
};

struct ScenarioError {
    int line = 0;
    std::string message;
};

struct ParsedScenario {
    std::vector<ScenarioEvent> events;   // in file order
    std::optional<ScenarioError> error;  // the first malformed line; no events then
};

ParsedScenario ParseScenario(std::string_view text);

// Seconds with up to three decimals ("12", "0.5", "1.250", "-2") as milliseconds.
std::optional<std::int64_t> ParseTime(std::string_view text, std::string& error);

// Whether the event takes effect even while a handler waits (bytes, ports, the clock).
bool IsWorldEvent(EventType type);

}  // namespace shortmsg::replay
