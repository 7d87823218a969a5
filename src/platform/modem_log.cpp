#include "platform/modem_log.h"

#include <cstdio>
#include <system_error>

namespace shortmsg {
namespace {

constexpr std::int64_t kSecondsPerDay = 86400;
constexpr std::string_view kDayFileEnd = ".txt";

// Whether `name` is "YYYY-MM-DD.txt".
bool IsDayFileName(const std::string& name) {
    if (name.size() != 10 + kDayFileEnd.size() || !name.ends_with(kDayFileEnd)) return false;
    for (size_t i = 0; i < 10; ++i) {
        const bool dash = i == 4 || i == 7;
        if (dash ? name[i] != '-' : (name[i] < '0' || name[i] > '9')) return false;
    }
    return true;
}

}  // namespace

std::string ShowControlCharacters(std::string_view bytes) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string shown;
    shown.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
            case '\\':
                shown += "\\\\";
                break;
            case '\r':
                shown += "\\r";
                break;
            case '\n':
                shown += "\\n";
                break;
            case '\t':
                shown += "\\t";
                break;
            default:
                if (byte >= 0x20 && byte < 0x7F) {
                    shown += c;
                } else {
                    shown += "\\x";
                    shown += kHex[byte >> 4];
                    shown += kHex[byte & 0xF];
                }
        }
    }
    return shown;
}

std::string DateText(DateTime t) {
    return ToIsoText(t).substr(0, 10);
}

void RemoveOldModemLogs(const std::filesystem::path& folder, DateTime today, int days) {
    const std::string oldestKept = DateText(DateTime{today.seconds - (days - 1) * kSecondsPerDay});
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        // Day files compare as their dates.
        if (IsDayFileName(name) && name.substr(0, 10) < oldestKept) {
            std::filesystem::remove(entry.path(), error);
        }
    }
}

LoggedSerialPort::LoggedSerialPort(SerialPort& port, Clock& clock, std::filesystem::path folder,
                                   std::function<bool()> on)
    : port_(port), clock_(clock), files_(std::move(folder)), on_(std::move(on)) {}

std::string LoggedSerialPort::Input() {
    std::string bytes = port_.Input();
    if (!bytes.empty()) Record("in ", bytes);
    return bytes;
}

// A write to a closed port goes nowhere, and is not logged as sent.
void LoggedSerialPort::Output(std::string_view bytes) {
    if (!bytes.empty() && port_.PortOpen()) Record("out", bytes);
    port_.Output(bytes);
}

void LoggedSerialPort::Record(std::string_view direction, std::string_view bytes) {
    if (!on_ || !on_()) return;
    const DateTime now = clock_.Now();
    std::string line = ToIsoText(now);
    const std::string day = line.substr(0, 10);
    if (day != day_) {
        day_ = day;
        RemoveOldModemLogs(files_.Root(), now, kModemLogDays);
    }
    line.append(" ").append(direction).append(" ").append(ShowControlCharacters(bytes));
    line += '\n';
    std::string error;
    if (!files_.Append(day + std::string(kDayFileEnd), line, error) && !failed_) {
        failed_ = true;
        std::fprintf(stderr, "shortmsg: modem log: %s\n", error.c_str());
    }
}

}  // namespace shortmsg
