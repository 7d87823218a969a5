#include "gps/log_records.h"

#include "gps/number_text.h"

namespace shortmsg {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kInfoFolder = "GPS_info/";
constexpr std::string_view kSharedFolder = "GPSS/";

bool FileNameSafe(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '+' ||
           c == '*' || c == '#';
}

std::string PositionRecord(std::string_view number, const GpsFixState& fix) {
    std::string record = QuotedField(std::string(number) + "_" + fix.GPS_FixTime);
    record += ',';
    if (fix.GPS_FixValid) record += FormatGeneralNumber(fix.GPS_Latitude);
    record += ',';
    if (fix.GPS_FixValid) record += FormatGeneralNumber(fix.GPS_Longitude);
    return record.append(kLineEnd);
}

}  // namespace

std::string QuotedField(std::string_view text) {
    std::string field = "\"";
    for (const char c : text) {
        if (c == '"') field += '"';
        field += c;
    }
    return field += '"';
}

std::string FileNameNumber(std::string_view number) {
    std::string name(number);
    for (char& c : name) {
        if (!FileNameSafe(c)) c = '_';
    }
    return name;
}

std::array<LogWrite, 4> PositionLogWrites(std::string_view sentence, std::string_view number,
                                          const GpsFixState& fix) {
    const std::string fileNumber = FileNameNumber(number);
    std::string dollarSentence(1, '$');
    dollarSentence.append(sentence);
    const std::string sentenceRecord = QuotedField(dollarSentence).append(kLineEnd);
    return {{
        {std::string(kInfoFolder) + "GPS_info" + fileNumber + ".txt", PositionRecord(number, fix),
         false},
        {std::string(kInfoFolder) + "GPS_Flag" + fileNumber + ".txt", sentenceRecord, false},
        {std::string(kSharedFolder) + "GPSS.LLD", dollarSentence + std::string(kLineEnd), true},
        {std::string(kSharedFolder) + "GPSS.LLF", sentenceRecord, false},
    }};
}

}  // namespace shortmsg
