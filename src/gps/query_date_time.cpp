#include "gps/query_date_time.h"

namespace shortmsg {
namespace {

// Reads text from the front of a string_view, one piece at a time.
class Cursor {
  public:
    explicit Cursor(std::string_view text) : text_(text) {}

    bool AtEnd() const { return text_.empty(); }

    // Up to `maxDigits` digits as a number; returns how many digits there were.
    int Digits(int maxDigits, int& value) {
        int digits = 0;
        value = 0;
        while (digits < maxDigits && !text_.empty() && text_.front() >= '0' &&
               text_.front() <= '9') {
            value = value * 10 + (text_.front() - '0');
            text_.remove_prefix(1);
            ++digits;
        }
        return digits;
    }
    // A number of `minDigits` to `maxDigits` digits.
    bool Number(int minDigits, int maxDigits, int& value) {
        return Digits(maxDigits, value) >= minDigits;
    }
    bool Char(char c) {
        if (text_.empty() || text_.front() != c) return false;
        text_.remove_prefix(1);
        return true;
    }
    // Skips blanks; returns how many there were.
    int Blanks() {
        int count = 0;
        while (!text_.empty() && (text_.front() == ' ' || text_.front() == '\t')) {
            text_.remove_prefix(1);
            ++count;
        }
        return count;
    }
    // "am" or "pm" in any case: 0 for am, 12 for pm, -1 when neither stands here.
    int Meridiem() {
        if (text_.size() < 2 || (text_[1] != 'm' && text_[1] != 'M')) return -1;
        const char first = text_.front();
        const int offset = first == 'a' || first == 'A'   ? 0
                           : first == 'p' || first == 'P' ? 12
                                                          : -1;
        if (offset >= 0) text_.remove_prefix(2);
        return offset;
    }

  private:
    std::string_view text_;
};

std::string_view TrimBlanks(std::string_view text) {
    constexpr std::string_view kBlanks = " \t";
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

int CenturyYear(int year, int digits) {
    if (digits > 2) return year;
    return year < 30 ? 2000 + year : 1900 + year;
}

// "hh:mm:ss" with one or two digits each.
bool ReadTime(Cursor& in, CivilTime& t) {
    return in.Number(1, 2, t.hour) && in.Char(':') && in.Number(1, 2, t.minute) && in.Char(':') &&
           in.Number(1, 2, t.second);
}

std::optional<CivilTime> ReadMonthDayYear(std::string_view text) {
    Cursor in(text);
    CivilTime t;
    if (!in.Number(1, 2, t.month) || !in.Char('/') || !in.Number(1, 2, t.day) || !in.Char('/')) {
        return std::nullopt;
    }
    int year = 0;
    const int yearDigits = in.Digits(4, year);
    if (yearDigits == 0 || yearDigits == 3) return std::nullopt;
    t.year = CenturyYear(year, yearDigits);
    if (in.Blanks() == 0 || !ReadTime(in, t)) return std::nullopt;
    in.Blanks();
    const int meridiem = in.Meridiem();
    if (meridiem >= 0) {
        if (t.hour < 1 || t.hour > 12) return std::nullopt;
        t.hour = t.hour % 12 + meridiem;
    }
    if (!in.AtEnd()) return std::nullopt;
    return t;
}

std::optional<CivilTime> ReadIso(std::string_view text) {
    Cursor in(text);
    CivilTime t;
    if (!in.Number(4, 4, t.year) || !in.Char('-') || !in.Number(2, 2, t.month) || !in.Char('-') ||
        !in.Number(2, 2, t.day)) {
        return std::nullopt;
    }
    if (!in.Char('T') && in.Blanks() == 0) return std::nullopt;
    if (!in.Number(2, 2, t.hour) || !in.Char(':') || !in.Number(2, 2, t.minute) || !in.Char(':') ||
        !in.Number(2, 2, t.second) || !in.AtEnd()) {
        return std::nullopt;
    }
    return t;
}

}  // namespace

std::optional<DateTime> ParseQueryDateTime(std::string_view text) {
    text = TrimBlanks(text);
    std::optional<CivilTime> t = ReadIso(text);
    if (!t) t = ReadMonthDayYear(text);
    if (!t || !IsValidCivil(*t)) return std::nullopt;
    return FromCivil(*t);
}

}  // namespace shortmsg
