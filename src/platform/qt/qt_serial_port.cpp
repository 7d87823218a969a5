#include "platform/qt/qt_serial_port.h"

#include <QFileInfo>
#include <algorithm>
#include <climits>
#include <utility>

#include "platform/line_settings.h"
#include "platform/port_map.h"

namespace shortmsg {
namespace {

QSerialPort::Parity ToQt(Parity parity) {
    switch (parity) {
        case Parity::Even:
            return QSerialPort::EvenParity;
        case Parity::Odd:
            return QSerialPort::OddParity;
        case Parity::Mark:
            return QSerialPort::MarkParity;
        case Parity::Space:
            return QSerialPort::SpaceParity;
        case Parity::None:
            break;
    }
    return QSerialPort::NoParity;
}

QSerialPort::StopBits ToQt(StopBits stopBits) {
    switch (stopBits) {
        case StopBits::OneAndHalf:
            return QSerialPort::OneAndHalfStop;
        case StopBits::Two:
            return QSerialPort::TwoStop;
        case StopBits::One:
            break;
    }
    return QSerialPort::OneStop;
}

}  // namespace

QtSerialPort::QtSerialPort(std::filesystem::path portMapFolder)
    : portMapFolder_(std::move(portMapFolder)) {
    // A device that went away (unplugged, or the far end of a pseudo-terminal closed)
    // fails every read from then on, and would report it without end: the port is closed,
    // as an unplugged port is.
    QObject::connect(&port_, &QSerialPort::errorOccurred, [this](QSerialPort::SerialPortError e) {
        const bool gone = e == QSerialPort::ResourceError || e == QSerialPort::ReadError;
        if (gone && port_.isOpen()) {
            port_.close();
            Changed();
        }
    });
}

void QtSerialPort::SetSettings(const std::string& settings) {
    settings_ = settings;
    if (port_.isOpen()) ApplySettings();
}

bool QtSerialPort::ApplySettings() {
    const auto line = ParseLineSettings(settings_);
    if (!line) return false;
    return port_.setBaudRate(line->baud) &&
           port_.setDataBits(static_cast<QSerialPort::DataBits>(line->dataBits)) &&
           port_.setParity(ToQt(line->parity)) && port_.setStopBits(ToQt(line->stopBits)) &&
           port_.setFlowControl(QSerialPort::NoFlowControl);
}

bool QtSerialPort::Open() {
    if (port_.isOpen()) return true;
    const bool opened = TryOpen();
    Changed();
    return opened;
}

bool QtSerialPort::TryOpen() {
    openFailure_.clear();
    device_ = PortDevice(commPort_, portMapFolder_);
    if (device_.empty()) {
        openFailure_ = "\"" + commPort_ + "\" names no serial port.";
        return false;
    }
    if (!ParseLineSettings(settings_)) {
        openFailure_ = "Line settings \"" + settings_ + "\" not understood.";
        return false;
    }
    port_.setPortName(QFileInfo(QString::fromStdString(device_)).absoluteFilePath());
    if (port_.open(QIODevice::ReadWrite) && ApplySettings()) return true;
    openFailure_ = "Tried " + device_ + ": " + port_.errorString().toStdString();
    port_.close();
    return false;
}

void QtSerialPort::Close() {
    if (!port_.isOpen()) return;
    port_.close();
    Changed();
}

std::string QtSerialPort::TakeOpenFailure() {
    return std::exchange(openFailure_, {});
}

void QtSerialPort::Changed() {
    if (onChange_) onChange_();
}

void QtSerialPort::Poll() {
    if (port_.isOpen() && port_.bytesAvailable() == 0) port_.waitForReadyRead(0);
}

int QtSerialPort::InBufferCount() {
    Poll();
    if (!port_.isOpen()) return 0;
    return static_cast<int>(std::min<qint64>(port_.bytesAvailable(), INT_MAX));
}

void QtSerialPort::DiscardInput() {
    if (!port_.isOpen()) return;
    port_.clear(QSerialPort::Input);
    port_.readAll();
}

std::string QtSerialPort::Input() {
    Poll();
    if (!port_.isOpen()) return {};
    const QByteArray bytes = inputLen_ > 0 ? port_.read(inputLen_) : port_.readAll();
    return bytes.toStdString();
}

void QtSerialPort::Output(std::string_view bytes) {
    if (!port_.isOpen() || bytes.empty()) return;
    port_.write(bytes.data(), static_cast<qint64>(bytes.size()));
    port_.flush();
}

bool QtSerialPort::WaitForInput(int ms) {
    if (!port_.isOpen()) return false;
    if (port_.bytesAvailable() > 0) return true;
    port_.waitForReadyRead(std::max(ms, 0));
    return port_.isOpen() && port_.bytesAvailable() > 0;
}

}  // namespace shortmsg
