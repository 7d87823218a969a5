// The terminal's pure decisions, run over the tables of cases in tests/unit/tables/*.txt.
// A case is one line: the decision's name, its arguments as quoted strings (the scenario
// escapes: \r \n \t \" \\ \xNN), "=>" and the expected result as a quoted string; "#"
// starts a comment. Each decision below says how its result is written.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "escapes.h"
#include "gps/gps_query.h"
#include "gps/log_records.h"
#include "gps/query_access.h"
#include "gps/query_date_time.h"
#include "gps/rmc_sentence.h"
#include "gps/threshold.h"
#include "link/cms_error.h"
#include "link/reply_fields.h"
#include "link/reply_parsers.h"
#include "link/send_length.h"
#include "link/text.h"
#include "platform/disk_files.h"
#include "platform/line_settings.h"
#include "platform/port_map.h"
#include "ui/command_plans.h"

namespace shortmsg {
namespace {

using Args = std::vector<std::string>;

std::string Number(std::optional<long> n) {
    return n ? std::to_string(*n) : "none";
}
std::string YesNo(bool b) {
    return b ? "yes" : "no";
}
std::string Or(std::optional<std::string_view> s) {
    return s ? std::string(*s) : "none";
}
// The 1-based position of `keyword` in `line` (0 when absent), as the dispatch gives it.
long At(const std::string& line, std::string_view keyword) {
    const size_t at = line.find(keyword);
    return at == std::string::npos ? 0 : static_cast<long>(at) + 1;
}
std::string Joined(const std::vector<std::string>& parts) {
    std::string all;
    for (size_t i = 0; i < parts.size(); ++i) all += (i ? "|" : "") + parts[i];
    return all;
}

std::string Query(const Args& a) {
    const GpsQuery q = ParseGpsQuery(a[0]);
    switch (q.kind) {
        case GpsQuery::Kind::None:
            return "none";
        case GpsQuery::Kind::Refused:
            return "refused";
        case GpsQuery::Kind::Immediate:
            return "immediate";
        case GpsQuery::Kind::Distance:
            return "distance " + q.threshold;
        case GpsQuery::Kind::Timed:
            return "timed " + std::to_string(q.intervalSeconds) + " " + ToIsoText(q.start) + " " +
                   ToIsoText(q.stop);
    }
    return "?";
}

std::string Logs(const Args& a) {
    GpsFixState fix;
    DecodeGPRMC(a[0], fix);
    std::vector<std::string> writes;
    for (const LogWrite& w : PositionLogWrites(a[0], a[1], fix)) {
        writes.push_back((w.replace ? "=" : "+") + w.path + " " + w.bytes);
    }
    return Joined(writes);
}

// "19200 N 8 1": speed, parity letter, data bits, stop bits.
std::string Settings(const Args& a) {
    const auto s = ParseLineSettings(a[0]);
    if (!s) return "none";
    static const char* kParity[] = {"N", "E", "O", "M", "S"};
    static const char* kStop[] = {"1", "1.5", "2"};
    return std::to_string(s->baud) + " " + kParity[static_cast<int>(s->parity)] + " " +
           std::to_string(s->dataBits) + " " + kStop[static_cast<int>(s->stopBits)];
}

const char* kNone = nullptr;
const char* Env(const std::string& s) {
    return s == "(unset)" ? kNone : s.c_str();
}

const std::map<std::string, std::function<std::string(const Args&)>> kDecisions = {
    // The link's replies.
    {"CutFields",
     [](const Args& a) { return Joined(CutFields(a[0], std::stol(a[1]), std::stoi(a[2]))); }},
    {"IntegerValue", [](const Args& a) { return Number(IntegerValue(a[0])); }},
    {"CmtiIndex", [](const Args& a) { return Or(ParseCmtiIndex(a[0], At(a[0], "+CMTI:"))); }},
    {"Sbdi",
     [](const Args& a) {
         const SbdiFields f = ParseSbdi(a[0], At(a[0], "+SBDI:") + 6);
         return Number(f.moStatus) + " " + Number(f.mtStatus) + " " + Number(f.mtLength);
     }},
    {"CpbsStorage",
     [](const Args& a) {
         const PhoneBookStorage s = ParseCpbsStorage(a[0]);
         return std::to_string(s.used) + " " + std::to_string(s.total);
     }},
    {"CpbrRange",
     [](const Args& a) {
         const long open = CpbrRangeOpen(a[0]);
         if (open == 0) return std::string("none");
         const PhoneBookRange r = ParseCpbrRange(a[0], open);
         return r.firstIndex + "-" + r.lastIndex;
     }},
    {"CpbrEntry",
     [](const Args& a) {
         const auto e = ParseCpbrEntry(a[0], At(a[0], "+CPBR:"));
         return e ? std::to_string(e->index) + "|" + e->number + "|" + e->name : "none";
     }},
    {"InvalidPduMode", [](const Args& a) { return YesNo(IsInvalidPduModeParameter(a[0])); }},
    {"CmsError", [](const Args& a) { return CmsErrorMessage(a[0]); }},
    // The operator's commands.
    {"ControlCharacter", [](const Args& a) { return YesNo(HoldsControlCharacter(a[0])); }},
    {"Next",
     [](const Args& a) {
         const NextPlan p = PlanNext(a[0], a[1]);
         if (p.askCounts) return std::string("ask counts");
         std::string shown = a[0];
         if (p.steppedIndex) shown = *p.steppedIndex;
         if (p.resetIndex) shown = *p.resetIndex;
         return shown + (p.read ? " read" : "");
     }},
    {"Erase",
     [](const Args& a) {
         static const char* kNames[] = {"ask counts", "erase", "nothing"};
         return std::string(kNames[static_cast<int>(PlanErase(a[0], a[1]))]);
     }},
    // The GPS side.
    {"Query", Query},
    {"QueryDateTime",
     [](const Args& a) {
         const auto t = ParseQueryDateTime(a[0]);
         return t ? ToIsoText(*t) : "none";
     }},
    {"Threshold",
     [](const Args& a) {
         char text[32];
         std::snprintf(text, sizeof text, "%.17g", DistanceThresholdKm(a[0]));
         return std::string(text);
     }},
    {"TakeRmc", [](const Args& a) { return Or(TakeRmcSentence(a[0])); }},
    {"SentenceIn", [](const Args& a) { return std::string(RmcSentenceIn(a[0])); }},
    {"ReportText", [](const Args& a) { return std::string(ReportText(a[0])); }},
    {"HoldsPosition", [](const Args& a) { return YesNo(HoldsPositionSentence(a[0])); }},
    {"Logs", Logs},
    {"QueryAllowed",
     [](const Args& a) {
         GpsSettings s;
         s.allowedNumbers = a[0];
         s.shortBurstQueries = a[1] == "sbd allowed";
         const Channel by = a[2] == "sbd" ? Channel::ShortBurst : Channel::Sms;
         return YesNo(QueryAllowed(s, by, a[3]));
     }},
    // Ports, settings and folders.
    {"PortName", [](const Args& a) { return PortName(a[0]); }},
    {"LineSettings", Settings},
    {"PortMapFolder",
     [](const Args& a) { return PortMapFolderFor(Env(a[0]), Env(a[1])).string(); }},
    {"DataRoot", [](const Args& a) { return DataRootFor(Env(a[0]), Env(a[1])).string(); }},
    {"SafePath", [](const Args& a) { return YesNo(IsSafeRelativePath(a[0])); }},
};

struct Case {
    std::string where;  // file:line
    std::string decision;
    Args args;
    std::string expected;
};

// One case line, or nothing for a blank or comment line; fails the test on a bad line.
std::optional<Case> ParseLine(const std::string& line, const std::string& where) {
    Case c{where, {}, {}, {}};
    bool expected = false;
    size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ' || line[i] == '\t') {
            ++i;
        } else if (line[i] == '#') {
            break;
        } else if (line[i] == '"') {
            size_t end = i + 1;
            while (end < line.size() && line[end] != '"') end += line[end] == '\\' ? 2 : 1;
            std::string error;
            const auto text = replay::UnescapeBytes(line.substr(i + 1, end - i - 1), error);
            EXPECT_TRUE(text) << where << ": " << error;
            (expected ? c.expected : c.args.emplace_back()) = text.value_or("");
            i = end + 1;
        } else {
            const size_t end = line.find_first_of(" \t", i);
            const std::string word = line.substr(i, end - i);
            if (word == "=>") {
                expected = true;
            } else {
                c.decision = word;
            }
            i = end == std::string::npos ? line.size() : end;
        }
    }
    if (c.decision.empty()) return std::nullopt;
    EXPECT_TRUE(expected) << where << ": no \"=>\"";
    return c;
}

TEST(Tables, EveryCaseGivesItsExpectedResult) {
    int cases = 0;
    for (const auto& file : std::filesystem::directory_iterator(SHORTMSG_TABLES)) {
        if (file.path().extension() != ".txt") continue;
        std::ifstream in(file.path());
        std::string line;
        for (int number = 1; std::getline(in, line); ++number) {
            const std::string where =
                file.path().filename().string() + ":" + std::to_string(number);
            const auto c = ParseLine(line, where);
            if (!c) continue;
            const auto decision = kDecisions.find(c->decision);
            ASSERT_NE(decision, kDecisions.end()) << where << ": no decision " << c->decision;
            EXPECT_EQ(replay::QuoteBytes(decision->second(c->args)),
                      replay::QuoteBytes(c->expected))
                << where;
            ++cases;
        }
    }
    EXPECT_GT(cases, 100);
}

}  // namespace
}  // namespace shortmsg
