#include "platform/testing/scripted_port.h"

#include <algorithm>

#include "platform/port_map.h"

namespace shortmsg {

bool PortAvailability::Present(std::string_view commPort) const {
    const std::string key = PortName(commPort);
    if (key.empty()) return false;
    const auto it = present_.find(key);
    return it == present_.end() || it->second;
}

void PortAvailability::SetPresent(std::string_view commPort, bool present) {
    const std::string key = PortName(commPort);
    if (key.empty()) return;
    present_[key] = present;
    if (present) return;
    for (ScriptedPort* port : ports_) {
        if (PortName(port->CommPort()) == key) port->Vanished();
    }
}

void PortAvailability::Attach(ScriptedPort& port) {
    ports_.push_back(&port);
}

void PortAvailability::Detach(ScriptedPort& port) {
    std::erase(ports_, &port);
}

ScriptedPort::ScriptedPort(VirtualClock& clock, PortAvailability& availability, WriteHook onWrite)
    : clock_(clock), availability_(availability), onWrite_(std::move(onWrite)) {
    availability_.Attach(*this);
}

ScriptedPort::~ScriptedPort() {
    availability_.Detach(*this);
}

void ScriptedPort::SetCommPort(const std::string& port) {
    commPort_ = port;
    if (!availability_.Present(commPort_)) waiting_.clear();
}

bool ScriptedPort::Open() {
    if (open_) return true;
    if (!availability_.Present(commPort_)) return false;
    open_ = true;
    return true;
}

std::string ScriptedPort::Input() {
    if (!open_) return {};
    std::string bytes;
    bytes.swap(waiting_);
    return bytes;
}

void ScriptedPort::Output(std::string_view bytes) {
    if (!open_ || bytes.empty()) return;
    if (onWrite_) onWrite_(clock_.NowMs(), bytes);
}

bool ScriptedPort::WaitForInput(int ms) {
    if (!open_) {
        clock_.WaitFor(ms, [] { return false; });
        return false;
    }
    clock_.WaitFor(ms, [this] { return !open_ || !waiting_.empty(); });
    return open_ && !waiting_.empty();
}

void ScriptedPort::Arrive(std::string_view bytes) {
    if (!commPort_.empty() && !availability_.Present(commPort_)) return;
    waiting_.append(bytes);
}

void ScriptedPort::ArriveAt(VirtualClock::Ms at, std::string bytes) {
    clock_.Schedule(at, VirtualClock::EventKind::World,
                    [this, bytes = std::move(bytes)] { Arrive(bytes); });
}

void ScriptedPort::Vanished() {
    open_ = false;
    waiting_.clear();
}

}  // namespace shortmsg
