#include "link/port_designation.h"

#include "link/text.h"
#include "platform/port_map.h"

namespace shortmsg {

std::string PortDesignation(std::string_view text) {
    if (const auto number = WholeNumber(text)) return PortName(std::to_string(*number));
    return PortName(text);
}

}  // namespace shortmsg
