#pragma once
// One JSON object on one line, keys in the order they are added:
// {"pdu": "0011...", "length": 20}. String values are the terminal's 8-bit text
// (ISO 8859-1) and come out as UTF-8.
#include <string>
#include <string_view>

namespace shortmsg {

// Appends `latin1` as a quoted JSON string: \" \\ \n \r \t, other control codes (0-31
// and 127) as \u00xx, codes 128-255 as their two-byte UTF-8 form.
void AppendJsonString(std::string& out, std::string_view latin1);

class JsonLine {
  public:
    JsonLine& Text(std::string_view key, std::string_view latin1);
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
