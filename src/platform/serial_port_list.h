#pragma once
// The serial ports the system has, as the options window lists them beside the port box.
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace shortmsg {

struct SerialPortInfo {
    std::string device;        // "/dev/ttyUSB0"
    std::string description;   // "FT232R USB UART"; "" when the system gives none
    std::string manufacturer;  // "FTDI"; ""
    std::string stableName;    // "/dev/serial/by-id/usb-FTDI_...-port0"; "" when there is none
};

// Where the port list comes from: the system's (platform/qt), or a test's own.
using SerialPortLister = std::function<std::vector<SerialPortInfo>()>;

// The folder of the stable names the system's device manager keeps.
inline const std::filesystem::path kStableSerialNames = "/dev/serial/by-id";

// The entry of `folder` that leads to `device` (a link, followed to its end); "" when none.
std::string StableSerialName(const std::string& device, const std::filesystem::path& folder);

}  // namespace shortmsg
