#include "modem.h"

#include <array>
#include <charconv>
#include <initializer_list>

#include "command_table.h"
#include "link/at_commands.h"
#include "pdu/decoder.h"

namespace shortmsg::modemsim {
namespace {

using at::kCtrlZ;
constexpr char kEscape = '\x1B';

struct PhoneBookEntry {
    int index;
    std::string_view number;
    int type;
    std::string_view name;
};

constexpr std::array<PhoneBookEntry, 3> kPhoneBook = {{
    {1, "+447700900123", 145, "Alice"},
    {2, "07700900456", 129, "Bob"},
    {3, "+447700900789", 145, "Carol"},
}};
constexpr int kPhoneBookCapacity = 250;

struct IncomingMessage {
    std::string_view sender;
    std::string_view text;
};

// The messages that arrive now and then, in turn.
constexpr std::array<IncomingMessage, 2> kIncoming = {{
    {"447700900123", "Hello from the simulator"},
    {"447700900456", "GPSquery:1"},
}};

constexpr std::string_view kOk = "\r\nOK\r\n";
constexpr std::string_view kError = "\r\nERROR\r\n";

std::string Join(std::initializer_list<std::string_view> parts) {
    std::string joined;
    for (const std::string_view part : parts) joined.append(part);
    return joined;
}

std::optional<int> Number(std::string_view text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [at, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || at != end) return std::nullopt;
    return value;
}

std::string Printable(std::string_view bytes) {
    std::string shown;
    for (const char c : bytes) {
        if (c == kCtrlZ) {
            shown += "^Z";
        } else if (static_cast<unsigned char>(c) < 32) {
            shown += '^';
            shown += static_cast<char>(c + 64);
        } else {
            shown += c;
        }
    }
    return shown;
}

}  // namespace

std::string Framed(std::string_view text) {
    std::string framed = "\r\n";
    framed.append(text).append("\r\n");
    return framed;
}

std::string Modem::Receive(std::string_view bytes) {
    std::string answer;
    for (const char c : bytes) {
        if (awaitingBody_) {
            if (c == kCtrlZ || c == kEscape) {
                answer += Body(c);
            } else if (c != '\r' && c != '\n') {  // the command's own line end
                body_ += c;
            }
        } else if (c == '\r') {
            if (!line_.empty()) answer += Command(line_);
            line_.clear();
        } else if (c != '\n' && c != kEscape) {  // ESC outside a text entry: nothing to end
            line_ += c;
        }
    }
    return answer;
}

std::string Modem::Command(const std::string& line) {
    log_.push_back(Join({"<- ", Printable(line)}));
    const auto match = FindCommand(line);
    const std::string answer =
        match ? (this->*(match->handler))(match->argument) : std::string(kError);
    if (line == at::kPhoneBookRange) initialised_ = true;
    log_.push_back(Join({"-> ", Printable(answer)}));
    return answer;
}

std::string Modem::Body(char end) {
    awaitingBody_ = false;
    const std::string pdu = body_;
    body_.clear();
    if (end == kEscape) {
        log_.push_back(Join({"<- ", Printable(pdu), "^[ (message cancelled)"}));
        return std::string(kOk);
    }
    const auto decoded = DecodeReceivedPDU(pdu);
    const std::string text = decoded ? Join({"\"", decoded->text, "\""})
                                     : Join({"not a PDU: ", decoded.error()});
    log_.push_back(Join({"<- ", Printable(pdu), "^Z (message ", text, ")"}));
    const std::string answer =
        Join({Framed(Join({"+CMGS: ", std::to_string(++messageReference_)})), kOk});
    log_.push_back(Join({"-> ", Printable(answer)}));
    return answer;
}

std::string Modem::Announce(DateTime now) {
    const IncomingMessage& message = kIncoming[nextIncoming_];
    nextIncoming_ = (nextIncoming_ + 1) % kIncoming.size();
    return Announce(now, message.sender, message.text);
}

std::string Modem::Announce(DateTime now, std::string_view sender, std::string_view text) {
    const auto index = store_.Store(BuildDeliverPdu(sender, text, now));
    if (!index) return {};
    const std::string line = Framed(Join({"+CMTI: \"SM\",", std::to_string(*index)}));
    log_.push_back(Join({"-> ", Printable(line), " (message \"", Printable(text), "\")"}));
    return line;
}

void Modem::QueueShortBurst(std::string text) {
    gateway_.push_back(std::move(text));
}

std::string Modem::ShortBurstArrives(std::string text) {
    log_.push_back(Join({"(short burst message at the gateway: \"", Printable(text), "\")"}));
    QueueShortBurst(std::move(text));
    if (!ringAlerts_) return {};
    const std::string ring = Framed("SBDRING");
    log_.push_back(Join({"-> ", Printable(ring)}));
    return ring;
}

std::vector<std::string> Modem::TakeLog() {
    std::vector<std::string> taken;
    taken.swap(log_);
    return taken;
}

std::string Modem::Ok(std::string_view) {
    return std::string(kOk);
}

std::string Modem::ServiceQuery(std::string_view) {
    return Join({Framed("+CSMS: 0,001,001,001"), kOk});
}

std::string Modem::StorageQuery(std::string_view) {
    const std::string counts =
        Join({"\"SM\",", std::to_string(store_.Used()), ",", std::to_string(kStoreCapacity)});
    return Join({Framed(Join({"+CPMS: ", counts, ",", counts, ",", counts})), kOk});
}

std::string Modem::PhoneBookStorage(std::string_view) {
    return Join({Framed(Join({"+CPBS: \"SM\",", std::to_string(kPhoneBook.size()), ",",
                              std::to_string(kPhoneBookCapacity)})),
                 kOk});
}

std::string Modem::PhoneBookRange(std::string_view) {
    return Join({Framed(Join({"+CPBR:(1-", std::to_string(kPhoneBookCapacity), "),40,18"})), kOk});
}

// "1" or "1,3": the entries in that range.
std::string Modem::PhoneBookRead(std::string_view indexes) {
    const size_t comma = indexes.find(',');
    const auto first = Number(indexes.substr(0, comma));
    const auto last = comma == std::string_view::npos ? first : Number(indexes.substr(comma + 1));
    if (!first || !last || *first < 1 || *last < *first || *last > kPhoneBookCapacity) {
        return Framed("+CME ERROR: invalid index");
    }
    std::string answer;
    for (const PhoneBookEntry& entry : kPhoneBook) {
        if (entry.index < *first || entry.index > *last) continue;
        answer += Framed(Join({"+CPBR: ", std::to_string(entry.index), ",\"", entry.number, "\",",
                               std::to_string(entry.type), ",\"", entry.name, "\""}));
    }
    return Join({answer, kOk});
}

std::string Modem::ReadMessage(std::string_view index) {
    const auto slot = Number(index);
    const StoredMessage* message = slot ? store_.Find(*slot) : nullptr;
    if (message == nullptr) return Framed("+CMS ERROR: 321");
    // The status is the one before this read: 0 unread, 1 read.
    std::string answer = Join({Framed(Join({"+CMGR: ", message->read ? "1" : "0", ",,",
                                            std::to_string(message->pdu.tpduOctets)})),
                               message->pdu.hex, "\r\n", kOk});
    store_.MarkRead(*slot);
    return answer;
}

std::string Modem::DeleteMessage(std::string_view index) {
    const auto slot = Number(index);
    if (!slot || *slot < 1 || *slot > kStoreCapacity) return Framed("+CMS ERROR: 321");
    store_.Delete(*slot);
    return std::string(kOk);
}

std::string Modem::ListMessages(std::string_view) {
    std::string answer;
    for (const auto& [index, message] : store_.Slots()) {
        answer +=
            Join({Framed(Join({"+CMGL: ", std::to_string(index), ",", message.read ? "1" : "0",
                               ",,", std::to_string(message.pdu.tpduOctets)})),
                  message.pdu.hex, "\r\n"});
    }
    return Join({answer, kOk});
}

std::string Modem::SendMessage(std::string_view length) {
    const auto octets = Number(length);
    if (!octets || *octets < 1 || *octets > 180) return Framed("+CMS ERROR: 304");
    awaitingBody_ = true;
    return "\r\n> ";
}

// MO status 1 (sent); MT status 1 with the length and the count still queued when a
// message waited at the gateway.
std::string Modem::SbdExchange(std::string_view) {
    if (gateway_.empty()) return Join({Framed("+SBDI: 1,1,0,0,0,0"), kOk});
    mtBuffer_ = std::move(gateway_.front());
    gateway_.pop_front();
    return Join({Framed(Join({"+SBDI: 1,1,1,1,", std::to_string(mtBuffer_.size()), ",",
                              std::to_string(gateway_.size())})),
                 kOk});
}

std::string Modem::SbdRead(std::string_view) {
    return Join({Framed("+SBDRT:"), mtBuffer_, "\r\n", kOk});
}

// "AT+SBDMTA=0" or "=1": ring alerts off or on.
std::string Modem::SbdRingAlerts(std::string_view setting) {
    if (setting != "0" && setting != "1") return std::string(kError);
    ringAlerts_ = setting == "1";
    return std::string(kOk);
}

// "AT+SBDD0" clears the outgoing buffer (there is none to keep here), "1" the incoming one,
// "2" both; the modem answers "0" (cleared), then OK.
std::string Modem::SbdClear(std::string_view buffers) {
    if (buffers != "0" && buffers != "1" && buffers != "2") return std::string(kError);
    if (buffers != "0") mtBuffer_.clear();
    return Join({Framed("0"), kOk});
}

}  // namespace shortmsg::modemsim
