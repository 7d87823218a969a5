// Start-up of the modem link: the port opened, the initialisation queued and its first
// command written, the timers started.
#include <vector>

#include "link/at_commands.h"
#include "link/messages.h"
#include "link/modem_link.h"
#include "link/port_designation.h"

namespace shortmsg {
namespace {

constexpr int kSanityInterval = 20000;  // ms; the window's layout holds 60000

}  // namespace

ModemLink::ModemLink(SerialPort& port, LinkTimers timers, Clock& clock,
                     const LinkSettings& settings, LinkEvents& events)
    : MSComm1(port), timers_(timers), clock_(clock), settings_(settings), events_(events) {
    timers_.ServiceSerialPortMSComm1Timer.OnTimer = [this] {
        ServiceSerialPortMSComm1Timer_Timer();
    };
    timers_.SanityTimer.OnTimer = [this] { SanityTimer_Timer(); };
    timers_.ResponseTimeOutTimer.OnTimer = [this] { ResponseTimeOutTimer_Timer(); };
}

bool ModemLink::OpenPort() {
    if (MSComm1.PortOpen()) MSComm1.Close();
    const std::string port = PortDesignation(settings_.port);
    if (port.empty()) return false;
    MSComm1.SetCommPort(port);
    MSComm1.SetSettings(std::string(at::kModemPortSettings));
    return MSComm1.Open();
}

void ModemLink::Start() {
    MSComm1.DiscardInput();
    rx_ = ReceiveBuffer{};
    queue_.ReplaceWith({at::kInitialisation.begin(), at::kInitialisation.end()});
    // "AT" heads the queue as the command written last; the rest goes one per answer.
    queue_.SetLastCommandSent(queue_.Head().text);
    MSComm1.Output(queue_.LastCommandSent());

    PeriodicTimer& timeout = timers_.ResponseTimeOutTimer;
    if (!timeout.Enabled()) timeout.SetEnabled(true);
    ReadyForNextCommand = false;
    PromptReceived = false;
    queue_.ResetResends();
    ResponseTimedOut = false;
    PeriodicTimer& service = timers_.ServiceSerialPortMSComm1Timer;
    if (!service.Enabled()) service.SetEnabled(true);
    ModemResponding = false;
    timers_.SanityTimer.SetInterval(kSanityInterval);
    if (!timers_.SanityTimer.Enabled()) timers_.SanityTimer.SetEnabled(true);
    AskForRingAlerts();
}

// The link comes up without its port, so that it recovers at once when the port is fixed
// in the options window: the sanity check runs every 20 s once started, and nothing heads
// the queue, so the first command queued later is written whole.
void ModemLink::StartWithoutPort() {
    timers_.SanityTimer.SetInterval(kSanityInterval);
    queue_.DropHead();
}

void ModemLink::PortReturned() {
    const int halfWritten = MessageInFlight();
    if (halfWritten != 0) queue_.DropMessage(halfWritten);
    std::deque<QueuedLine> carried = queue_.TakeWaiting();
    MSComm1.DiscardInput();
    rx_ = ReceiveBuffer{};
    WriteResetAndReinitialise();
    queue_.Restore(std::move(carried));
    ReadyForNextCommand = false;
    ModemResponding = false;
    if (halfWritten != 0 && outbox_.Fail(halfWritten)) {
        events_.ErrorReported(texts::kNotSentModemReset);
    }
    events_.SendFinished();
}

void ModemLink::Quit() {
    if (MSComm1.PortOpen()) MSComm1.Close();
    for (PeriodicTimer* timer : {&timers_.ResponseTimeOutTimer,
                                 &timers_.ServiceSerialPortMSComm1Timer, &timers_.SanityTimer}) {
        if (timer->Enabled()) timer->SetEnabled(false);
    }
}

}  // namespace shortmsg
