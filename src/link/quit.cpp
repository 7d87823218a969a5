// Quit: the modem port is closed, the modem timers stopped and the program ends at once;
// whatever is still queued is dropped.
#include "ui/terminal.h"

namespace shortmsg {

void SMS::QuitButton_Click() {
    if (MSComm1.PortOpen()) MSComm1.Close();
    for (Timer* timer : {&ResponseTimeOutTimer, &ServiceSerialPortMSComm1Timer, &SanityTimer,
                         &OneHalfSecondTimer}) {
        if (timer->Enabled()) timer->SetEnabled(false);
    }
    app_.services.programEnd.End();
}

}  // namespace shortmsg
