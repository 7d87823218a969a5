#pragma once
// One JSON object on one line, keys in the order they are added:
// {"pdu": "0011...", "length": 20}. String values are UTF-8 text.
#include <string>
#include <string_view>

namespace shortmsg {

// Appends `utf8` as a quoted JSON string: \" \\ \n \r \t, other control codes (0-31
// and 127) as \u00xx, every other character as it is; a byte that is not UTF-8 as U+FFFD.
void AppendJsonString(std::string& out, std::string_view utf8);

class JsonLine {
  public:
    JsonLine& Text(std::string_view key, std::string_view utf8);
    // A nested object: {"ref": 7, "part": 1, "total": 2}.
    JsonLine& Object(std::string_view key, const JsonLine& object);
    // General form, up to 15 significant digits; a value that is not finite is null.
    JsonLine& Number(std::string_view key, double value);
    JsonLine& Integer(std::string_view key, long long value);
    JsonLine& Boolean(std::string_view key, bool value);
    // The object text, without the line end.
    std::string Finish() const { return "{" + body_ + "}"; }

  private:
    void Key(std::string_view key);
    std::string body_;
};

// {"error": "<reason>"}
std::string JsonErrorLine(std::string_view reason);

}  // namespace shortmsg
