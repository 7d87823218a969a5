#pragma once
// A terminal's services on virtual time: the clock (its timers too), a modem and a GPS port
// scripted on one availability, and the recording stand-ins. A rig derives from it (or holds
// one) and builds its Terminal from All().
#include <utility>

#include "platform/services.h"
#include "platform/testing/scripted_port.h"
#include "platform/testing/service_doubles.h"
#include "platform/testing/virtual_clock.h"

namespace shortmsg {

struct VirtualServices {
    explicit VirtualServices(ScriptedPort::WriteHook onModemWrite = {})
        : modem(clock, ports, std::move(onModemWrite)) {}

    // `files` and `modemPort` (a port wrapped round `modem`) stand in for the defaults.
    Services All(TextFiles* files = nullptr, SerialPort* modemPort = nullptr) {
        return {modemPort != nullptr ? *modemPort : modem, gps, clock, clock, box, end,
                files != nullptr ? *files : discarded};
    }

    // The availability outlives the ports, which detach from it when they go.
    VirtualClock clock;
    PortAvailability ports;
    ScriptedPort modem;
    ScriptedPort gps{clock, ports};
    RecordingMessageBox box;
    RecordingProgramEnd end;
    DiscardingFiles discarded;
};

}  // namespace shortmsg
