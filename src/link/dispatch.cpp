// The response parser: every line runs through a fixed series of keyword tests, and a line
// may satisfy several. Keyword tests are case-sensitive substring tests.
#include "link/dispatch.h"

#include <array>
#include <string_view>

#include "link/at_commands.h"
#include "link/send_length.h"
#include "link/text.h"
#include "ui/terminal.h"

namespace shortmsg {
namespace {

constexpr std::string_view kCmsError = "+CMS ERROR:";

// "+CMS ERROR:" followed by the code text (the rest of the line, its blank included).
void CmsErrorLine(SMS& sms, const std::string& line) {
    const std::string code = Mid(line, sms.MatchPos + static_cast<long>(kCmsError.size()));
    sms.ErrorBlink = true;
    sms.ErrorBlinkTicks = 0;
    sms.ShowCmsError(code);
    // A rejected message body releases the queue at once.
    const bool bodyRefused = sms.ResponseTimeOutTimer.Interval() == kMessageBodyTimeOut;
    if (bodyRefused && !sms.ReadyForNextCommand) sms.ReadyForNextCommand = true;
    if (bodyRefused) MessageBodyRefused(sms, code);
}

void CmgsLine(SMS& sms, const std::string& line) {
    MessageBodyConfirmed(sms);
    sms.CmgsReply(line);
}

// Any other error result: shown from "ERROR" to the end of the line, and an "AT" written
// outside the queue, whose "OK" releases the queue.
void ErrorLine(SMS& sms, const std::string& line) {
    sms.ReportError(Mid(line, sms.MatchPos));
    sms.MSComm1.Output(std::string(at::kAttention).append(at::kLineEnd));
}

void OkLine(SMS& sms, const std::string&) {
    if (!sms.ReadyForNextCommand) sms.ReadyForNextCommand = true;
    sms.ModemResponding = true;
}

enum class Guard {
    None,
    UnlessPreviousMatched,  // "otherwise": only when the row before did not match
    SbmEnabled,             // only while "SBM Enabled" is checked
    AlsoSM,                 // the line must also contain "SM"
};

struct Row {
    std::string_view keyword;
    std::string_view alternative;  // matched when the keyword is absent ("" for none)
    Guard guard;
    void (*action)(SMS&, const std::string&);
};

template <void (SMS::*Handler)(const std::string&)>
void Call(SMS& sms, const std::string& line) {
    (sms.*Handler)(line);
}

constexpr std::array<Row, 13> kDispatch = {{
    {"+CSMS:", "+CSMS=", Guard::None, Call<&SMS::CsmsReply>},
    {"+CPMS:", "+CPMS=", Guard::None, Call<&SMS::CpmsReply>},
    {kCmsError, "", Guard::None, CmsErrorLine},
    {"ERROR", "", Guard::UnlessPreviousMatched, ErrorLine},
    {"+CMGS:", "", Guard::None, CmgsLine},
    {"OK", "", Guard::None, OkLine},
    {"+SBDI:", "", Guard::SbmEnabled, Call<&SMS::SbdiReply>},
    // Unguarded: the text after "+SBDRT:" is the remote party's and is taken out of the
    // buffer whether or not "SBM Enabled" is checked; the handler acts on it only while it is.
    {"+SBDRT:", "", Guard::None, Call<&SMS::SbdrtReply>},
    {"+CMGR:", "", Guard::None, Call<&SMS::CmgrReply>},
    {"+CDS:", "", Guard::None, Call<&SMS::CdsReply>},
    {"+CMTI:", "", Guard::None, Call<&SMS::CmtiReply>},
    {"+CPBS:", "", Guard::AlsoSM, Call<&SMS::CpbsReply>},
    {"+CPBR:", "", Guard::None, Call<&SMS::CpbrReply>},
}};

}  // namespace

void DispatchLine(SMS& sms, const std::string& line) {
    bool previousMatched = false;
    for (const Row& row : kDispatch) {
        const bool skip =
            (row.guard == Guard::UnlessPreviousMatched && previousMatched) ||
            (row.guard == Guard::SbmEnabled && !sms.Options().SBM_Enabled.Checked()) ||
            (row.guard == Guard::AlsoSM && InStr(1, line, "SM") == 0);
        long at = 0;
        if (!skip) {
            at = InStr(1, line, row.keyword);
            if (at == 0 && !row.alternative.empty()) at = InStr(1, line, row.alternative);
        }
        previousMatched = at > 0;
        if (at == 0) continue;
        sms.MatchPos = at;
        row.action(sms, line);
    }
}

}  // namespace shortmsg
