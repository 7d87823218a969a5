// The replies about the phone's message service: "+CSMS:" (which services it supports,
// shown on the MO and MT lamps) and "+CPMS:" (how many messages its store holds).
#include <string>

#include "link/modem_link.h"
#include "link/reply_fields.h"

namespace shortmsg {
namespace {

constexpr long kKeywordLength = 6;  // "+CSMS:", "+CSMS=", "+CPMS:", "+CPMS="

}  // namespace

// "+CSMS: 0,001,001,001": service, MT, MO, BM.
void ModemLink::CsmsReply(const std::string& line) {
    const auto fields = CutFields(line, MatchPos + kKeywordLength, 4);
    CsmsService = fields[0];
    CsmsMT = fields[1];
    CsmsMO = fields[2];
    CsmsBM = fields[3];
    events_.ServiceSupport(CsmsMT, CsmsMO);
}

// "+CPMS: \"SM\",3,30,\"SM\",3,30,\"SM\",3,30": memory, used and total of the three stores.
// A used count that is not a whole number is kept in its field but not shown.
void ModemLink::CpmsReply(const std::string& line) {
    const auto fields = CutFields(line, MatchPos + kKeywordLength, 9);
    std::string* const targets[] = {&CpmsMem1,   &CpmsUsed1, &CpmsTotal1, &CpmsMem2,  &CpmsUsed2,
                                    &CpmsTotal2, &CpmsMem3,  &CpmsUsed3,  &CpmsTotal3};
    for (size_t i = 0; i < fields.size(); ++i) *targets[i] = fields[i];
    if (CpmsUsed1.empty() || !IntegerValue(CpmsUsed1)) return;
    events_.StorageCount(CpmsUsed1);
}

}  // namespace shortmsg
