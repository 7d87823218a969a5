#include "tool_arguments.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace shortmsg {

namespace {

using Parsed = Result<ToolArguments>;

bool IsHelp(std::string_view arg) {
    return arg == "--help" || arg == "-h";
}

// A concatenation reference: 0 to 255.
std::optional<std::uint8_t> ParseReference(std::string_view text) {
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value > 255) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(value);
}

// Options and one TEXT, in any order; "--" ends the options.
Parsed ParseEncode(const std::vector<std::string_view>& args) {
    ToolArguments parsed;
    parsed.command = ToolCommand::Encode;
    bool haveTo = false;
    std::vector<std::string_view> texts;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        const bool takesValue = arg == "--to" || arg == "--sca" || arg == "--ref";
        if (optionsEnded || arg == "-" || !arg.starts_with("-")) {
            texts.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--report") {
            parsed.encode.report = true;
        } else if (takesValue && i + 1 >= args.size()) {
            return Parsed::Fail(std::string(arg) +
                                (arg == "--ref" ? " needs N" : " needs a NUMBER"));
        } else if (arg == "--ref") {
            const auto reference = ParseReference(args[++i]);
            if (!reference) return Parsed::Fail("--ref takes a number from 0 to 255");
            parsed.encode.reference = *reference;
        } else if (arg == "--to") {
            parsed.encode.to = args[++i];
            haveTo = true;
        } else if (arg == "--sca") {
            parsed.encode.sca = std::string(args[++i]);
        } else {
            return Parsed::Fail("encode: unknown option " + std::string(arg) +
                                " (put -- before a TEXT that begins with \"-\")");
        }
    }
    if (!haveTo) return Parsed::Fail("encode needs --to NUMBER");
    if (texts.size() != 1) return Parsed::Fail("encode takes exactly one TEXT (quote it)");
    parsed.encode.text = texts.front();
    return Parsed::Ok(std::move(parsed));
}

// decode [--join] [HEX] and rmc [SENTENCE]: at most one input.
Parsed ParseSingleInput(ToolCommand command, std::string_view name,
                        std::vector<std::string_view> args) {
    ToolArguments parsed;
    parsed.command = command;
    if (command == ToolCommand::Decode && !args.empty() && args.front() == "--join") {
        parsed.join = true;
        args.erase(args.begin());
    }
    if (args.size() > 1) {
        return Parsed::Fail(std::string(name) + " takes at most one input (quote it)");
    }
    if (!args.empty() && args.front().size() > 1 && args.front().starts_with("-")) {
        return Parsed::Fail(std::string(name) + ": unknown option " + std::string(args.front()));
    }
    if (!args.empty()) parsed.input = std::string(args.front());
    return Parsed::Ok(std::move(parsed));
}

}  // namespace

Result<ToolArguments> ParseToolArguments(const std::vector<std::string_view>& args) {
    if (args.empty()) return Parsed::Fail("no command given");
    const std::string_view command = args.front();
    const std::vector<std::string_view> rest(args.begin() + 1, args.end());
    // "--help" anywhere before a "--" asks for the help text.
    const auto end = std::find(args.begin(), args.end(), std::string_view("--"));
    if (std::any_of(args.begin(), end, IsHelp)) return Parsed::Ok(ToolArguments{});
    if (command == "encode") return ParseEncode(rest);
    if (command == "decode") return ParseSingleInput(ToolCommand::Decode, command, rest);
    if (command == "rmc") return ParseSingleInput(ToolCommand::Rmc, command, rest);
    return Parsed::Fail("unknown command " + std::string(command));
}

}  // namespace shortmsg
