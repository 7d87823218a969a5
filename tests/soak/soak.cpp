// shortmsg-soak: the whole terminal on virtual time for simulated days, against the
// simulator's modem behind a layer of faults, a GPS receiver full of noise and an operator
// who presses whatever comes (soak_events.txt says what happens, and how often). The
// terminal's promises are checked all along; a broken one stops the run with its seed and
// leaves a replay scenario of a short run that still breaks it.
//
// usage: shortmsg-soak EVENTS [FIRST-LAST [HOURS]]   (seeds 1-4, 24 hours each by default)
#include <algorithm>
#include <chrono>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <sstream>

#include "escapes.h"
#include "gps/rmc_sentence.h"
#include "link/at_commands.h"
#include "modem.h"
#include "nmea.h"
#include "pdu/decoder.h"
#include "platform/testing/scripted_port.h"
#include "platform/testing/service_doubles.h"
#include "ui/terminal.h"

namespace shortmsg::soak {
namespace {

using Ms = VirtualClock::Ms;
using Kind = VirtualClock::EventKind;
constexpr Ms kSecond = 1000, kMinute = 60 * kSecond, kHour = 60 * kMinute;
// The last minutes of every hour are calm (no fault, no operator, no new message): by their
// end every message queued before them has ended and the queue has drained.
constexpr Ms kCalm = 10 * kMinute;
constexpr Ms kTickWait = 2000;     // the waits inside one tick share this budget
constexpr long kQueueLines = 300;  // lines waiting at most, whatever happens
// After a calm: a distance report, a timed report, the sanity refresh and a read may wait.
constexpr long kCalmQueueLines = 12;
constexpr int kStatusItems = 500;
const DateTime kStart = FromCivil({2026, 3, 2, 8, 0, 0});

struct Row {  // a row of the events table
    int weight = 0;
    std::string verb, name, text;
    Ms seconds = 0;
};
struct Planned {
    Ms at;
    const Row* row;
};
struct Failure {
    Ms at;
    std::string check;
};

std::vector<Row> ReadTable(const std::string& path) {
    std::ifstream in(path);
    std::vector<Row> rows;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        const std::size_t open = line.find('"');
        std::istringstream words(line.substr(0, open));
        Row row;
        std::string error;
        words >> row.weight >> row.verb;
        if (row.verb != "sbd") words >> row.name >> row.seconds;
        if (open != line.npos) {
            const std::string quoted = line.substr(open + 1, line.rfind('"') - open - 1);
            row.text = replay::UnescapeBytes(quoted, error).value_or("");
        }
        if (row.weight <= 0 || !error.empty()) throw std::runtime_error(path + ": " + line);
        rows.push_back(row);
    }
    return rows;
}

// An event every 20 s on average, none in the last minutes before a calm.
std::vector<Planned> MakePlan(const std::vector<Row>& rows, unsigned seed, int hours) {
    std::mt19937 rng(seed);
    std::vector<int> weights;
    for (const Row& row : rows) weights.push_back(row.weight);
    std::discrete_distribution<std::size_t> pick(weights.begin(), weights.end());
    std::exponential_distribution<double> gap(1.0 / 20);
    std::vector<Planned> plan;
    for (int h = 0; h < hours; ++h) {
        const Ms end = (h + 1) * kHour - kCalm - 2 * kMinute;
        for (Ms at = h * kHour + kSecond; at < end; at += 1 + Ms(gap(rng) * kSecond)) {
            plan.push_back({at, &rows[pick(rng)]});
        }
    }
    return plan;
}

class Soak final : public FormObserver {
  public:
    // `record`: keep what happens as a replay scenario.
    Soak(const std::vector<Planned>& plan, unsigned seed, Ms end, bool record = false)
        : rng_(seed), record_(record) {
        clock_.SetLocalTime(kStart);
        Record("clock \"" + ToIsoText(kStart) + "\"");
        clock_.Schedule(0, Kind::Operator, [this] { terminal_.Start(); });
        for (const Planned& p : plan) {
            const bool operate =
                p.row->verb == "click" || p.row->verb == "type" || p.row->verb == "pick";
            clock_.Schedule(p.at, operate ? Kind::Operator : Kind::World,
                            [this, &p] { Happen(*p.row); });
        }
        clock_.Schedule(5 * kSecond, Kind::World, [this] { Gps(); });
        for (Ms hour = kHour; hour <= end; hour += kHour) {
            clock_.Schedule(hour - kCalm, Kind::Operator, [this] { calm_ = Messages().Opened(); });
            clock_.Schedule(hour, Kind::Operator, [this] { CalmEnded(); });
        }
    }

    std::optional<Failure> RunUntil(Ms end) {
        for (std::optional<Ms> due; !failure_ && (due = clock_.NextDue()) && *due <= end;) {
            const Ms from = std::max(clock_.NowMs(), *due);
            clock_.Step(end);
            if (clock_.NowMs() - from > kTickWait) Fail("tick: a tick took longer than its waits");
            if (clock_.NowMs() / kSecond == checked_) continue;  // once a simulated second
            checked_ = clock_.NowMs() / kSecond;
            const long waiting = std::ranges::count(terminal_.Sms().Link().Queue().Waiting(), '\n');
            if (waiting > kQueueLines) Fail("memory: " + std::to_string(waiting) + " lines queued");
            if (terminal_.Sms().Link().Received().Text().size() > kReceiveBufferLimit)
                Fail("memory: receive buffer");
        }
        return failure_;
    }
    std::vector<std::string> scenario;  // what happened, as replay scenario lines

  private:
    const Outbox& Messages() { return terminal_.Sms().Link().Messages(); }
    bool Active(const std::string& fault) { return clock_.NowMs() < until_[fault]; }
    void Record(const std::string& line) {
        if (record_) scenario.push_back(replay::FormatTime(clock_.NowMs()) + " " + line);
    }
    void Fail(const std::string& check) {
        if (!failure_) failure_ = Failure{clock_.NowMs(), check};
    }
    std::string Garbage(std::size_t n) {
        std::string bytes;
        while (bytes.size() < n) bytes += static_cast<char>(rng_());
        return bytes;
    }

    void Happen(const Row& row) {
        std::string text = row.text;  // a timed query's window: from now, three minutes
        for (const auto& [key, s] : {std::pair<std::string, int>{"{start}", 0}, {"{stop}", 180}}) {
            if (const auto at = text.find(key); at != text.npos)
                text.replace(at, key.size(), ToIsoText(DateTime{clock_.Now().seconds + s}));
        }
        const Ms now = clock_.NowMs();
        if (row.verb == "sms") {
            Deliver(modem_.Announce(clock_.Now(), row.name, text));
        } else if (row.verb == "sbd") {
            modem_.QueueShortBurst(text);
        } else if (row.verb == "fault") {
            Fault(row.name, now + row.seconds * kSecond);
        } else if (terminal_.Sms().Find(row.name) != nullptr) {
            Operate(row.verb, row.name, text);
        } else {  // a visit to the options window: "Options", the action, "Back to Main"
            Operate("click", "SerialPortSettings", "");
            clock_.Schedule(now + 2000 + rng_() % 8000, Kind::Operator,
                            [this, &row, text] { Operate(row.verb, row.name, text); });
            clock_.Schedule(now + 15000 + rng_() % 35000, Kind::Operator,
                            [this] { Operate("click", "BackToMainButton", ""); });
        }
    }

    // As the replay does it, and only while the control's window is shown.
    void Operate(const std::string& verb, const std::string& name, const std::string& text) {
        Form* form = &terminal_.Sms();
        Control* c = form->Find(name);
        if (c == nullptr) c = (form = &terminal_.Options())->Find(name);
        if (c == nullptr || !form->Visible()) return;
        Record(verb + " " + name + (verb == "click" ? "" : " " + replay::QuoteBytes(text)));
        if (auto* button = dynamic_cast<Button*>(c)) button->Press();
        if (auto* check = dynamic_cast<CheckBox*>(c)) check->Toggle();
        if (auto* combo = dynamic_cast<ComboBox*>(c)) combo->Pick(text);
        if (auto* box = dynamic_cast<TextBox*>(c)) verb == "type" ? box->Type(text) : box->Click();
    }

    // Most faults change the modem's answers while they last (see Deliver); these act now.
    void Fault(const std::string& kind, Ms until) {
        until_[kind] = until;
        if (kind == "unplug" || kind == "gpsunplug") {
            const std::string port = kind == "unplug" ? "1" : "3";
            SetPort(port, false);
            clock_.Schedule(until, Kind::World, [this, port] { SetPort(port, true); });
        } else if (kind == "restart") {  // a fresh modem, silent while it starts
            modem_ = modemsim::Modem();
            until_["silence"] = until;
        } else if (kind == "flood") {  // 2 kB a second of it, without a line end
            Deliver(std::string(static_cast<std::size_t>(until - clock_.NowMs()) * 2, '#'));
        }
    }
    void SetPort(const std::string& port, bool present) {
        Record("port " + port + (present ? " present" : " absent"));
        ports_.SetPresent(port, present);
    }

    // The modem's answer through the faults, in order on the line.
    void Deliver(std::string bytes) {
        if (bytes.empty() || Active("silence")) return;
        if (Active("error")) bytes = "\r\nERROR\r\n";
        if (Active("cms")) bytes = "\r\n+CMS ERROR: 500\r\n";
        if (Active("noisy")) bytes.insert(0, Garbage(1 + rng_() % 40));
        if (Active("doubled")) bytes += bytes;
        const bool chunked = Active("chunked");
        for (std::size_t from = 0, pieces = chunked ? 1 + rng_() % 5 : 1; pieces > 0; --pieces) {
            const std::size_t to =
                pieces == 1 ? bytes.size() : from + rng_() % (bytes.size() - from + 1);
            lineFree_ = std::max(lineFree_, clock_.NowMs()) + 10 + rng_() % (chunked ? 400 : 100);
            clock_.Schedule(lineFree_, Kind::World, [this, part = bytes.substr(from, to - from)] {
                Record("modem " + replay::QuoteBytes(part));
                modemPort_.Arrive(part);
            });
            from = to;
        }
    }

    // What the terminal writes: one whole command line (or a message body, or ESC), nothing
    // a remote party wrote, and reports only of sentences the receiver sent whole.
    void Written(std::string_view bytes) {
        const std::size_t z = bytes.find(at::kCtrlZ);
        const std::string_view line = bytes.substr(0, z != bytes.npos ? z : bytes.size() - 2);
        if (bytes != "\x1B" &&
            (!bytes.ends_with("\r\n") || (z != bytes.npos && z + 3 != bytes.size()) ||
             std::ranges::any_of(line, [](unsigned char c) { return c < 32; }))) {
            Fail("write: not one command line: " + replay::QuoteBytes(bytes));
        }
        if (bytes.starts_with("AT+CMGR=77\r") || line.find("0C91999999999999") != line.npos) {
            Fail("remote text: a forged reply acted: " + replay::QuoteBytes(bytes));
        }
        if (bytes.starts_with(at::kSbdReadText) && ++sbdReads_ > 4 * (fetched_ + 1)) {
            Fail("remote text: more short burst reads than messages fetched");
        }
        std::string text;
        if (bytes.starts_with(at::kSbdWriteText)) text = line.substr(at::kSbdWriteText.size());
        if (const auto pdu = DecodeReceivedPDU(line); z != bytes.npos && pdu.ok()) text = pdu->text;
        const auto sent = good_.lower_bound(text);
        if (text.substr(0, 5).ends_with("RMC") &&
            (sent == good_.end() || !sent->starts_with(text))) {
            Fail("report: a position the receiver never sent whole: " + text);
        }
        if (Active("silence")) return;
        const std::string answer = modem_.Receive(bytes);
        modem_.TakeLog();
        fetched_ += answer.find("+SBDI: 1,1,1,") != answer.npos;
        Deliver(answer);
    }

    // GGA and RMC every 5 s while the port is open; one RMC in four is noisy.
    void Gps() {
        clock_.Schedule(clock_.NowMs() + 5 * kSecond, Kind::World, [this] { Gps(); });
        if (!gpsPort_.PortOpen()) return;
        const auto fix = modemsim::TrackAt(static_cast<double>(clock_.NowMs()) / kSecond);
        const CivilTime utc = ToCivil(clock_.Now());
        const std::string rmc = modemsim::RmcSentence(fix, utc);
        std::string core = rmc.substr(1, rmc.find('*') - 1);
        const unsigned noise = rng_() % 24;
        const std::size_t status = core.find(",A,");
        if (noise == 0) core[status + 1] = 'V';                   // a void fix
        if (noise == 1) core.replace(status + 3, 9, "9999.999");  // latitude out of range
        if (noise == 2) core.insert(status, "\r");                // a lone CR inside
        std::string sentence = modemsim::Sentence(core);
        if (noise < 3 || noise > 4) good_.insert(std::string(ReportText(sentence.substr(1))));
        if (noise == 3) sentence[status] ^= 1;  // the checksum no longer matches
        if (noise == 4) sentence.resize(sentence.size() / 2);
        if (noise == 5) sentence.insert(0, Garbage(20));
        Record("gps " + replay::QuoteBytes(modemsim::GgaSentence(fix, utc) + sentence));
        gpsPort_.Arrive(modemsim::GgaSentence(fix, utc) + sentence);
    }

    void CalmEnded() {
        bool pending = false;
        for (int m = 1; m <= Messages().Opened(); ++m) {
            pending = pending || Messages().Pending(m);
            if (m <= calm_ && Messages().Pending(m))
                Fail("calm: message " + std::to_string(m) + " has not ended");
        }
        const long waiting = std::ranges::count(terminal_.Sms().Link().Queue().Waiting(), '\n');
        if (waiting > kCalmQueueLines) Fail("calm: " + std::to_string(waiting) + " lines queued");
        if (!pending && !terminal_.Sms().SendButton.Enabled()) Fail("calm: Send stays disabled");
    }
    // The lists stay bounded; a forged reply never shows.
    void ControlChanged(const Control& c, Property p, std::string_view item, int) override {
        if (p == Property::AddItem && item.find("FORGED") != item.npos)
            Fail("remote text: a forged phone-book entry");
        const auto* list = dynamic_cast<const ComboBox*>(&c);
        if (list != nullptr &&
            list->ListCount() > (c.Name() == "PhoneBook" ? kPhoneBookSlots : kStatusItems)) {
            Fail("memory: " + c.Name());
        }
        const auto* box = dynamic_cast<const TextBox*>(&c);
        if (c.Name() == "ErrorMessageWindow" && box->Text().find("577") != std::string::npos) {
            Fail("remote text: a forged error shown: " + box->Text());
        }
    }
    void FormVisibilityChanged(const Form&) override {}

    std::mt19937 rng_;
    bool record_;
    VirtualClock clock_;
    PortAvailability ports_;
    ScriptedPort modemPort_{clock_, ports_, [this](Ms, std::string_view b) { Written(b); }};
    ScriptedPort gpsPort_{clock_, ports_};
    RecordingMessageBox box_;
    RecordingProgramEnd end_;
    DiscardingFiles files_;
    Terminal terminal_{Services{modemPort_, gpsPort_, clock_, clock_, box_, end_, files_}, this};
    modemsim::Modem modem_;
    std::map<std::string, Ms> until_;  // the faults' ends
    std::set<std::string> good_;       // sentences sent whole, as a report carries them
    std::optional<Failure> failure_;
    Ms lineFree_ = 0, checked_ = -1;
    long fetched_ = 0, sbdReads_ = 0;
    int calm_ = 0;  // messages opened before the calm
};

// The failing run again without as many of its events as can go while it still fails the
// same way (halves, quarters, ... of them in turn, for two minutes at most), kept as a
// replay scenario.
int Report(std::vector<Planned> plan, unsigned seed, const Failure& failure) {
    std::cout << "soak: seed " << seed << " FAILED at " << replay::FormatTime(failure.at)
              << " s: " << failure.check << "\n";
    const Ms until = failure.at + kMinute;
    std::erase_if(plan, [&](const Planned& p) { return p.at > failure.at; });
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(2);
    for (std::size_t chunk = plan.size() / 2; chunk > 0; chunk /= 2) {
        for (std::size_t i = 0; i < plan.size() && std::chrono::steady_clock::now() < deadline;) {
            std::vector<Planned> fewer = plan;
            fewer.erase(fewer.begin() + Ms(i),
                        fewer.begin() + Ms(std::min(i + chunk, plan.size())));
            const auto again = Soak(fewer, seed, until).RunUntil(until);
            const bool same = again && again->check.substr(0, 6) == failure.check.substr(0, 6);
            if (same) plan = std::move(fewer);
            i += same ? 0 : chunk;
        }
    }
    Soak again(plan, seed, until, true);
    const Failure last = again.RunUntil(until).value_or(failure);
    const std::string path = "soak-seed" + std::to_string(seed) + ".scn";
    std::ofstream out(path);
    out << "# shortmsg-soak seed " << seed << ", " << plan.size()
        << " planned events: " << last.check << "\n";
    for (const std::string& line : again.scenario) out << line << "\n";
    std::cout << "soak: " << plan.size() << " of its events fail too: shortmsg-replay " << path
              << " --until " << last.at / kSecond + 1 << "\n";
    return 1;
}

}  // namespace
}  // namespace shortmsg::soak

int main(int argc, char** argv) {
    using namespace shortmsg::soak;
    unsigned first = 1, last = 4;
    const int hours = argc > 3 ? std::atoi(argv[3]) : 24;
    if (argc > 2 && std::sscanf(argv[2], "%u-%u", &first, &last) == 1) last = first;
    if (argc < 2 || hours < 1 || last < first) {
        std::cerr << "usage: shortmsg-soak EVENTS [FIRST-LAST [HOURS]]\n";
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    const std::vector<Row> rows = ReadTable(argv[1]);
    std::size_t events = 0;
    for (unsigned seed = first; seed <= last; ++seed) {
        const std::vector<Planned> plan = MakePlan(rows, seed, hours);
        if (const auto failure = Soak(plan, seed, hours * kHour).RunUntil(hours * kHour))
            return Report(plan, seed, *failure);
        events += plan.size();
    }
    const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
    std::cout << "soak: seeds " << first << "-" << last << " x " << hours
              << " h = " << (last - first + 1) * unsigned(hours) << " simulated hours, " << events
              << " events: every check held (" << wall.count() << " s)\n";
    return 0;
}
