#include "link/port_designation.h"

#include "link/text.h"

namespace shortmsg {

std::optional<std::string> PortDesignation(std::string_view text) {
    if (const auto number = WholeNumber(text)) return std::to_string(*number);
    if (!text.empty() && text.front() == '/') return std::string(text);
    return std::nullopt;
}

}  // namespace shortmsg
