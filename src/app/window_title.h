#pragma once
// The main window's title: its caption, the program's name and the modem port in use,
// "  Short Message - shortmsg - COM1 on /dev/ttyUSB0" (or "COM1 not open").
#include <QString>
#include <string>

namespace shortmsg {

// `commPort` as the port was last named ("1", "/dev/ttyUSB0"; "" for none), `device` the
// device it led to.
QString MainWindowTitle(const std::string& caption, const std::string& commPort,
                        const std::string& device, bool open);

}  // namespace shortmsg
