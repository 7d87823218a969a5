#include "app/window_title.h"

namespace shortmsg {

QString MainWindowTitle(const std::string& caption, const std::string& commPort,
                        const std::string& device, bool open) {
    QString port = QStringLiteral("no port");
    if (!commPort.empty()) {
        const bool number = commPort.front() != '/';
        port = (number ? QStringLiteral("COM") : QString()) + QString::fromStdString(commPort);
        if (!open) {
            port += QStringLiteral(" not open");
        } else if (device != commPort) {
            port += QStringLiteral(" on ") + QString::fromStdString(device);
        }
    }
    return QString::fromLatin1(caption) + QStringLiteral(" \u2014 shortmsg \u2014 ") + port;
}

}  // namespace shortmsg
