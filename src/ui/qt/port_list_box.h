#pragma once
// The system's serial ports beside the port box: device, description, manufacturer and the
// stable name where there is one. Picking a port puts it into the port box as the operator
// would by typing it and clicking into the box, so that "Back to Main" opens it; the stable
// name is put when there is one, since it survives unplugging. The list is read when it gets
// the focus and each time it is opened, not when the window is built.
#include <QComboBox>

#include "platform/serial_port_list.h"
#include "ui/controls.h"

namespace shortmsg::qtui {

// "ttyUSB0 - FT232R USB UART, FTDI (/dev/serial/by-id/usb-FTDI_...)": what the list shows.
QString PortListText(const SerialPortInfo& port);

class PortListBox final : public QComboBox {
  public:
    PortListBox(TextBox& portBox, SerialPortLister lister);
    void showPopup() override;

  protected:
    void focusInEvent(QFocusEvent* event) override;

  private:
    void Fill();

    TextBox& portBox_;
    SerialPortLister lister_;
};

}  // namespace shortmsg::qtui
