#include <cstdint>

#include "pdu/decoder.h"
#include "pdu/hex.h"

namespace shortmsg {
namespace {

struct StatusRange {
    std::uint8_t first;
    std::uint8_t last;
    std::string_view text;  // empty: the code is shown in its raw "&H" form
};

// What the terminal shows for the TP-ST status of a status report.
constexpr StatusRange kStatusTexts[] = {
    {0x00, 0x00, "Recieved"},
    {0x01, 0x01, "Forwarded"},
    {0x02, 0x02, "Replaced"},
    {0x03, 0x1F, "Reserved"},
    {0x20, 0x20, "Congestion"},
    {0x21, 0x21, "SME Busy"},
    {0x22, 0x22, "No Response SME"},
    {0x23, 0x23, "Service Rejected"},
    {0x24, 0x24, "Quality of Service not available"},
    {0x25, 0x25, "Error in SME"},
    {0x26, 0x3F, ""},
    {0x40, 0x40, "Remote procedure error"},
    {0x41, 0x41, "Incompatible destination"},
    {0x42, 0x42, "Quality of Service not available"},
    {0x43, 0x43, "No interworking"},
    {0x44, 0x44, "Quality of Service not available"},
    {0x45, 0x45, "No interworking"},
    {0x46, 0x46, "Validity Period Expired"},
    {0x47, 0x47, "SM deleted by originator"},
    {0x48, 0x48, "SM deleted by Admin."},
    {0x49, 0x49, "SM not in data base"},
    {0x4A, 0xFF, "No Status"},
};

}  // namespace

std::optional<std::string_view> StatusText(unsigned code) {
    for (const auto& range : kStatusTexts) {
        if (code >= range.first && code <= range.last) {
            if (range.text.empty()) return std::nullopt;
            return range.text;
        }
    }
    return std::nullopt;
}

std::string StatusCodeToText(std::string_view field) {
    const bool wellFormed = field.size() == 4 && field.substr(0, 2) == "&H" &&
                            hex::IsHexDigit(field[2]) && hex::IsHexDigit(field[3]);
    if (!wellFormed) return std::string(field);
    const auto text = StatusText(hex::OctetAt(field, 2));
    return text ? std::string(*text) : std::string(field);
}

}  // namespace shortmsg
