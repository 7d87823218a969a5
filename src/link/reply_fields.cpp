#include "link/reply_fields.h"

#include "link/text.h"

namespace shortmsg {

std::vector<std::string> CutFields(std::string_view line, long start, int count) {
    std::vector<std::string> fields(static_cast<size_t>(count > 0 ? count : 0));
    long from = start;
    for (size_t i = 0; i < fields.size(); ++i) {
        const long comma = i + 1 < fields.size() ? InStr(from, line, ",") : 0;
        if (comma == 0) {
            fields[i] = Mid(line, from);
            break;
        }
        fields[i] = Mid(line, from, comma - from);
        from = comma + 1;
    }
    return fields;
}

std::optional<int> IntegerValue(std::string_view text) {
    const auto value = WholeNumber(text);
    if (!value || *value < -32768 || *value > 32767) return std::nullopt;
    return static_cast<int>(*value);
}

int IntegerValueOr0(std::string_view text) {
    return IntegerValue(text).value_or(0);
}

}  // namespace shortmsg
