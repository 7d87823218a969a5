// The replies about the phone's message service: "+CSMS:" (which services it supports,
// shown on the MO and MT lamps) and "+CPMS:" (how many messages its store holds).
#include <string>

#include "link/reply_fields.h"
#include "ui/sms.h"

namespace shortmsg {
namespace {

constexpr long kKeywordLength = 6;  // "+CSMS:", "+CSMS=", "+CPMS:", "+CPMS="
constexpr std::string_view kServiceSupported = "001";

int Lamp(const std::string& service) {
    return service == kServiceSupported ? kGreen : kRed;
}

}  // namespace

// "+CSMS: 0,001,001,001": service, MT, MO, BM.
void SMS::CsmsReply(const std::string& line) {
    const auto fields = CutFields(line, MatchPos + kKeywordLength, 4);
    CsmsService = fields[0];
    CsmsMT = fields[1];
    CsmsMO = fields[2];
    CsmsBM = fields[3];
    if (!Visible()) return;
    MT_Supported.SetFillColor(Lamp(CsmsMT));
    MO_Supported.SetFillColor(Lamp(CsmsMO));
}

// "+CPMS: \"SM\",3,30,\"SM\",3,30,\"SM\",3,30": memory, used and total of the three stores.
// A used count that is not a whole number is kept in its field but not shown.
void SMS::CpmsReply(const std::string& line) {
    const auto fields = CutFields(line, MatchPos + kKeywordLength, 9);
    std::string* const targets[] = {&CpmsMem1,   &CpmsUsed1, &CpmsTotal1, &CpmsMem2,  &CpmsUsed2,
                                    &CpmsTotal2, &CpmsMem3,  &CpmsUsed3,  &CpmsTotal3};
    for (size_t i = 0; i < fields.size(); ++i) *targets[i] = fields[i];
    if (CpmsUsed1.empty() || !IntegerValue(CpmsUsed1)) return;
    NumberOfMessages.SetText(CpmsUsed1);
    EraseButton.SetEnabled(true);
    // The index never points past the last message.
    if (IntegerValueOr0(ReadSMSMemory1Index.Text()) > IntegerValueOr0(NumberOfMessages.Text())) {
        ReadSMSMemory1Index.SetText(NumberOfMessages.Text());
    }
}

}  // namespace shortmsg
