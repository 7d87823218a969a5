#include "ui/qt/port_list_box.h"

#include <QFileInfo>

namespace shortmsg::qtui {

QString PortListText(const SerialPortInfo& port) {
    QString text = QFileInfo(QString::fromStdString(port.device)).fileName();
    QStringList about;
    for (const std::string* part : {&port.description, &port.manufacturer}) {
        if (!part->empty()) about << QString::fromStdString(*part);
    }
    if (!about.isEmpty()) text += QStringLiteral(" - ") + about.join(QStringLiteral(", "));
    if (!port.stableName.empty()) {
        text += QStringLiteral(" (") + QString::fromStdString(port.stableName) + QLatin1Char(')');
    }
    return text;
}

PortListBox::PortListBox(TextBox& portBox, SerialPortLister lister)
    : portBox_(portBox), lister_(std::move(lister)) {
    setObjectName(QStringLiteral("SystemSerialPorts"));
    setAccessibleName(QStringLiteral("Serial ports of this computer"));
    setPlaceholderText(QStringLiteral("Serial ports of this computer"));
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(12);
    connect(this, &QComboBox::activated, this, [this](int index) {
        portBox_.Type(itemData(index).toString().toStdString());
        portBox_.Click();
    });
}

void PortListBox::showPopup() {
    Fill();
    QComboBox::showPopup();
}

void PortListBox::focusInEvent(QFocusEvent* event) {
    Fill();
    QComboBox::focusInEvent(event);
}

// The port picked last stays picked while the system has it.
void PortListBox::Fill() {
    const QVariant picked = currentData();
    clear();
    if (lister_) {
        for (const SerialPortInfo& port : lister_()) {
            const std::string& path = port.stableName.empty() ? port.device : port.stableName;
            addItem(PortListText(port), QString::fromStdString(path));
        }
    }
    setCurrentIndex(findData(picked));
}

}  // namespace shortmsg::qtui
