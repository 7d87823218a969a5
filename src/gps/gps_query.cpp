#include "gps/gps_query.h"

#include <array>
#include <optional>

#include "gps/query_date_time.h"

namespace shortmsg {
namespace {

constexpr std::string_view kCommand = "GPSquery:";
constexpr char kImmediateMode = '1';

// Cuts comma-ended fields one after another.
class Fields {
  public:
    Fields(std::string_view text, std::size_t from) : text_(text), next_(from) {}
    // The text up to the next comma, which it passes; nothing when there is no comma.
    std::optional<std::string_view> Next() {
        const std::size_t comma = text_.find(',', next_);
        if (comma == std::string_view::npos) return std::nullopt;
        const std::string_view field = text_.substr(next_, comma - next_);
        next_ = comma + 1;
        return field;
    }

  private:
    std::string_view text_;
    std::size_t next_;
};

// Whole seconds, 1 to a day; blanks around the digits are allowed.
std::optional<int> IntervalSeconds(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    if (text.empty()) return std::nullopt;
    long value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > kMaxReportIntervalSeconds) return std::nullopt;
    }
    if (value < 1) return std::nullopt;
    return static_cast<int>(value);
}

GpsQuery Refused() {
    return GpsQuery{GpsQuery::Kind::Refused, {}, {}, 0, {}, {}};
}

// Fields 3 to 6 of a timed command.
GpsQuery ParseTimed(Fields& fields) {
    std::array<std::optional<std::string_view>, 4> f;
    for (auto& field : f) field = fields.Next();
    if (!f[0] || !f[1] || !f[2] || !f[3]) return Refused();
    const std::optional<int> seconds = IntervalSeconds(*f[0]);
    const std::optional<DateTime> start = ParseQueryDateTime(*f[2]);
    const std::optional<DateTime> stop = ParseQueryDateTime(*f[3]);
    if (!seconds || !start || !stop) return Refused();
    return GpsQuery{GpsQuery::Kind::Timed, "0", std::string(*f[0]), *seconds, *start, *stop};
}

}  // namespace

GpsQuery ParseGpsQuery(std::string_view text) {
    const std::size_t found = text.find(kCommand);
    if (found == std::string_view::npos) return {};
    const std::size_t mode = found + kCommand.size();
    if (mode >= text.size()) return Refused();
    if (text[mode] == kImmediateMode) return GpsQuery{GpsQuery::Kind::Immediate, {}, {}, 0, {}, {}};

    Fields fields(text, mode);
    if (!fields.Next()) return Refused();  // field 1: only its comma counts
    const std::optional<std::string_view> threshold = fields.Next();
    if (!threshold) return Refused();
    if (*threshold == "0") return ParseTimed(fields);
    return GpsQuery{GpsQuery::Kind::Distance, std::string(*threshold), {}, 0, {}, {}};
}

}  // namespace shortmsg
