#include "platform/serial_port_list.h"

#include <system_error>

namespace shortmsg {

std::string StableSerialName(const std::string& device, const std::filesystem::path& folder) {
    std::error_code error;
    const std::filesystem::path target = std::filesystem::canonical(device, error);
    if (error) return {};
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        std::error_code entryError;
        if (std::filesystem::canonical(entry.path(), entryError) == target && !entryError) {
            return entry.path().string();
        }
    }
    return {};
}

}  // namespace shortmsg
