#pragma once
// The system's serial ports from QSerialPortInfo, with their stable names.
#include <vector>

#include "platform/serial_port_list.h"

namespace shortmsg {

std::vector<SerialPortInfo> SystemSerialPorts();

}  // namespace shortmsg
