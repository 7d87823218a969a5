#pragma once
// Pure parsers of the modem replies whose fields the terminal acts on: text in, fields out.
// Fields are cut as CutFields does; numbers are read as IntegerValue does.
#include <optional>
#include <string>
#include <string_view>

namespace shortmsg {

// "+SBDI: 1, 5, 0, 0, 0, 0" (from the position after "+SBDI"'s colon): MO status, MO
// sequence number, MT status, MT sequence number, MT length, MT queued. The two statuses
// and the MT length are used; one that is not a whole number is nullopt ("other").
struct SbdiFields {
    std::optional<int> moStatus;
    std::optional<int> mtStatus;
    std::optional<int> mtLength;
};
SbdiFields ParseSbdi(std::string_view line, long start);

// "+CPBS: \"SM\",3,250": the entries in use and the capacity, after the first "SM".
// A count that is not a whole number is read as 0.
struct PhoneBookStorage {
    int used = 0;
    int total = 0;
};
PhoneBookStorage ParseCpbsStorage(std::string_view line);

// "+CPBR:(1-250)" or, as standard modems write it, "+CPBR: (1-250),40,18": the range reply.
// The position of its "(" (blanks may stand between "+CPBR:" and it); 0 for any other line.
long CpbrRangeOpen(std::string_view line);
// The first and the last valid index, as text, after the "(" at `openPos`.
struct PhoneBookRange {
    std::string firstIndex;
    std::string lastIndex;
};
PhoneBookRange ParseCpbrRange(std::string_view line, long openPos);

// The read command for the entries from `first` to `last` ("AT+CPBR=1,3"; "AT+CPBR=1" for
// one entry).
std::string PhoneBookReadCommand(int first, int last);

// "+CPBR: 2,\"1234\",129,\"Bob\"": the index, the number between its quotes and the name
// with its quotes (the rest of the line). nullopt when the index is not a whole number
// from 0 to 160, the slots of the phone-book tables.
struct PhoneBookEntry {
    int index = 0;
    std::string number;
    std::string name;
};
std::optional<PhoneBookEntry> ParseCpbrEntry(std::string_view line, long keywordPos);

// The "+CMTI:" index: the whole number after the first comma at or after the keyword, as
// digits (blanks, CR and LF around it are not part of it). nullopt when there is none.
std::optional<std::string> ParseCmtiIndex(std::string_view line, long keywordPos);

}  // namespace shortmsg
