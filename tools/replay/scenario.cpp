#include "scenario.h"

#include <array>

#include "escapes.h"

namespace shortmsg::replay {
namespace {

struct Token {
    bool quoted = false;
    std::string text;  // a quoted token's bytes, escapes resolved
};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// The end of the string whose opening quote is at `open`; npos when it is not closed.
size_t ClosingQuote(std::string_view line, size_t open) {
    for (size_t j = open + 1; j < line.size(); ++j) {
        if (line[j] == '\\') {
            ++j;
        } else if (line[j] == '"') {
            return j;
        }
    }
    return std::string_view::npos;
}

// Splits a line into words and quoted strings; a "#" outside a string ends the line.
std::optional<std::vector<Token>> Tokenize(std::string_view line, std::string& error) {
    std::vector<Token> tokens;
    size_t i = 0;
    while (i < line.size()) {
        const char c = line[i];
        if (IsBlank(c)) {
            ++i;
        } else if (c == '#') {
            break;
        } else if (c == '"') {
            const size_t close = ClosingQuote(line, i);
            if (close == std::string_view::npos) {
                error = "string without its closing quote";
                return std::nullopt;
            }
            auto bytes = UnescapeBytes(line.substr(i + 1, close - i - 1), error);
            if (!bytes) return std::nullopt;
            i = close + 1;
            if (i < line.size() && !IsBlank(line[i]) && line[i] != '#') {
                error = "text right after a closing quote";
                return std::nullopt;
            }
            tokens.push_back(Token{true, std::move(*bytes)});
        } else {
            Token word;
            for (; i < line.size() && !IsBlank(line[i]) && line[i] != '#'; ++i) {
                const auto b = static_cast<unsigned char>(line[i]);
                if (b < 33 || b > 126 || line[i] == '"') {
                    error = b < 33 || b > 126 ? "raw byte " + EscapedByte(b) + " outside a string"
                                              : "quote inside a word";
                    return std::nullopt;
                }
                word.text += line[i];
            }
            tokens.push_back(std::move(word));
        }
    }
    return tokens;
}

bool IsIdentifier(std::string_view s) {
    if (s.empty() || IsDigit(s.front())) return false;
    for (const char c : s) {
        if (!(IsDigit(c) || c == '_' || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))) {
            return false;
        }
    }
    return true;
}

// "Control" or "Form.Control".
bool IsControlName(std::string_view s) {
    const size_t dot = s.find('.');
    if (dot == std::string_view::npos) return IsIdentifier(s);
    return IsIdentifier(s.substr(0, dot)) && IsIdentifier(s.substr(dot + 1));
}

// "YYYY-MM-DD hh:mm:ss", a real date and time.
std::optional<DateTime> ParseDateTime(std::string_view s) {
    static constexpr std::string_view kShape = "dddd-dd-dd dd:dd:dd";
    if (s.size() != kShape.size()) return std::nullopt;
    for (size_t i = 0; i < s.size(); ++i) {
        if (kShape[i] == 'd' ? !IsDigit(s[i]) : s[i] != kShape[i]) return std::nullopt;
    }
    const auto number = [&](size_t at, size_t n) {
        int v = 0;
        for (size_t i = at; i < at + n; ++i) v = v * 10 + (s[i] - '0');
        return v;
    };
    const CivilTime t{number(0, 4),  number(5, 2),  number(8, 2),
                      number(11, 2), number(14, 2), number(17, 2)};
    if (!IsValidCivil(t)) return std::nullopt;
    return FromCivil(t);
}

struct EventShape {
    std::string_view word;
    EventType type;
    std::string_view arguments;  // n: control name, s: quoted string, p: port number, a: state
};

constexpr std::array<EventShape, 7> kEvents = {{
    {"modem", EventType::Modem, "s"},
    {"gps", EventType::Gps, "s"},
    {"click", EventType::Click, "n"},
    {"pick", EventType::Pick, "ns"},
    {"type", EventType::Type, "ns"},
    {"port", EventType::Port, "pa"},
    {"clock", EventType::Clock, "s"},
}};

// Checks one argument against its shape letter and stores it in the event.
bool TakeArgument(char shape, const Token& token, ScenarioEvent& event, std::string& error) {
    switch (shape) {
        case 's':
            if (!token.quoted) error = "expected a quoted string, found " + token.text;
            event.text = token.text;
            break;
        case 'n':
            if (token.quoted || !IsControlName(token.text)) {
                error = "expected a control name (Control or Form.Control)";
            }
            event.control = token.text;
            break;
        case 'p': {
            const std::string& t = token.text;
            const bool digits = !t.empty() && t.size() <= 9 &&
                                t.find_first_not_of("0123456789") == std::string::npos;
            if (token.quoted || !digits || t.find_first_not_of('0') == std::string::npos) {
                error = "expected a port number from 1 up";
            }
            event.port = t;
            break;
        }
        case 'a':
            if (token.quoted || (token.text != "absent" && token.text != "present")) {
                error = "expected absent or present";
            }
            event.present = token.text == "present";
            break;
    }
    return error.empty();
}

std::optional<ScenarioEvent> ParseEvent(const std::vector<Token>& tokens, std::string& error) {
    ScenarioEvent event;
    if (tokens[0].quoted) {
        error = "a line starts with its time";
        return std::nullopt;
    }
    const auto at = ParseTime(tokens[0].text, error);
    if (!at) return std::nullopt;
    event.at = *at;
    if (tokens.size() < 2 || tokens[1].quoted) {
        error = "an event word follows the time";
        return std::nullopt;
    }
    const EventShape* shape = nullptr;
    for (const EventShape& s : kEvents) {
        if (s.word == tokens[1].text) shape = &s;
    }
    if (shape == nullptr) {
        error = "unknown event " + tokens[1].text;
        return std::nullopt;
    }
    event.type = shape->type;
    if (tokens.size() != shape->arguments.size() + 2) {
        error = "wrong number of arguments for " + tokens[1].text;
        return std::nullopt;
    }
    for (size_t i = 0; i < shape->arguments.size(); ++i) {
        if (!TakeArgument(shape->arguments[i], tokens[i + 2], event, error)) return std::nullopt;
    }
    if (event.type == EventType::Clock) {
        const auto when = ParseDateTime(event.text);
        if (!when) {
            error = "expected a date and time \"YYYY-MM-DD hh:mm:ss\"";
            return std::nullopt;
        }
        event.clock = *when;
    }
    if (event.at < 0 && !IsWorldEvent(event.type)) {
        error = "before start-up only bytes, ports and the clock can be given";
        return std::nullopt;
    }
    return event;
}

}  // namespace

bool IsWorldEvent(EventType type) {
    return type == EventType::Modem || type == EventType::Gps || type == EventType::Port ||
           type == EventType::Clock;
}

std::optional<std::int64_t> ParseTime(std::string_view text, std::string& error) {
    const bool negative = !text.empty() && text.front() == '-';
    if (negative) text.remove_prefix(1);
    const size_t dot = text.find('.');
    const std::string_view whole = text.substr(0, dot);
    const std::string_view decimals =
        dot == std::string_view::npos ? std::string_view() : text.substr(dot + 1);
    const auto allDigits = [](std::string_view s) {
        return s.find_first_not_of("0123456789") == std::string_view::npos;
    };
    if (whole.empty() || whole.size() > 9 || !allDigits(whole) || !allDigits(decimals) ||
        (dot != std::string_view::npos && decimals.empty())) {
        error = "expected a time in seconds, for example 1.250";
        return std::nullopt;
    }
    if (decimals.size() > 3) {
        error = "a time has at most three decimals";
        return std::nullopt;
    }
    std::int64_t ms = 0;
    for (const char c : whole) ms = ms * 10 + (c - '0');
    for (size_t i = 0; i < 3; ++i) ms = ms * 10 + (i < decimals.size() ? decimals[i] - '0' : 0);
    return negative ? -ms : ms;
}

ParsedScenario ParseScenario(std::string_view text) {
    ParsedScenario result;
    int lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);

        std::string error;
        const auto tokens = Tokenize(line, error);
        if (tokens && tokens->empty()) continue;
        std::optional<ScenarioEvent> event;
        if (tokens) event = ParseEvent(*tokens, error);
        if (!event) {
            result.events.clear();
            result.error = ScenarioError{lineNumber, error};
            return result;
        }
        event->line = lineNumber;
        result.events.push_back(std::move(*event));
    }
    return result;
}

}  // namespace shortmsg::replay
