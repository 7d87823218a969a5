#include "platform/qt/system_serial_ports.h"

#include <QSerialPortInfo>

namespace shortmsg {

std::vector<SerialPortInfo> SystemSerialPorts() {
    std::vector<SerialPortInfo> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        const std::string device = info.systemLocation().toStdString();
        ports.push_back({device, info.description().toStdString(),
                         info.manufacturer().toStdString(),
                         StableSerialName(device, kStableSerialNames)});
    }
    return ports;
}

}  // namespace shortmsg
