#include "platform/scripted_port.h"

#include <algorithm>

namespace shortmsg {

std::string PortKey(std::string_view commPort) {
    if (!commPort.empty() && commPort.front() == '/') return std::string(commPort);
    if (commPort.empty() || !std::all_of(commPort.begin(), commPort.end(),
                                         [](char c) { return c >= '0' && c <= '9'; })) {
        return {};
    }
    const size_t first = commPort.find_first_not_of('0');
    if (first == std::string_view::npos) return {};  // port 0
    return std::string(commPort.substr(first));
}

bool PortAvailability::Present(std::string_view commPort) const {
    const std::string key = PortKey(commPort);
    if (key.empty()) return false;
    const auto it = present_.find(key);
    return it == present_.end() || it->second;
}

void PortAvailability::SetPresent(std::string_view commPort, bool present) {
    const std::string key = PortKey(commPort);
    if (key.empty()) return;
    present_[key] = present;
    if (present) return;
    for (ScriptedPort* port : ports_) {
        if (PortKey(port->CommPort()) == key) port->Vanished();
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
