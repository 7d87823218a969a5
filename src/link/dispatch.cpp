// The response parser: every line runs through a fixed series of keyword tests, and a line
// may satisfy several. Keyword tests are case-sensitive substring tests.
#include <array>
#include <string_view>

#include "link/at_commands.h"
#include "link/modem_link.h"
#include "link/text.h"

namespace shortmsg {
namespace {

constexpr std::string_view kCmsError = "+CMS ERROR:";

enum class Guard {
    None,
    UnlessPreviousMatched,  // "otherwise": only when the row before did not match
    SbmEnabled,             // only while "SBM Enabled" is checked
    AlsoSM,                 // the line must also contain "SM"
};

}  // namespace

void ModemLink::DispatchLine(const std::string& line) {
    struct Row {
        std::string_view keyword;
        std::string_view alternative;  // matched when the keyword is absent ("" for none)
        Guard guard;
        void (ModemLink::*action)(const std::string&);
    };
    static constexpr std::array<Row, 13> kDispatch = {{
        {"+CSMS:", "+CSMS=", Guard::None, &ModemLink::CsmsReply},
        {"+CPMS:", "+CPMS=", Guard::None, &ModemLink::CpmsReply},
        {kCmsError, "", Guard::None, &ModemLink::CmsErrorLine},
        {"ERROR", "", Guard::UnlessPreviousMatched, &ModemLink::ErrorLine},
        {"+CMGS:", "", Guard::None, &ModemLink::CmgsReply},
        {"OK", "", Guard::None, &ModemLink::OkLine},
        {"+SBDI:", "", Guard::SbmEnabled, &ModemLink::SbdiReply},
        // Unguarded: the text after "+SBDRT:" is the remote party's and is taken out of the
        // buffer whether or not "SBM Enabled" is checked; the handler acts on it only while
        // it is.
        {"+SBDRT:", "", Guard::None, &ModemLink::SbdrtReply},
        {"+CMGR:", "", Guard::None, &ModemLink::CmgrReply},
        {"+CDS:", "", Guard::None, &ModemLink::CdsReply},
        {"+CMTI:", "", Guard::None, &ModemLink::CmtiReply},
        {"+CPBS:", "", Guard::AlsoSM, &ModemLink::CpbsReply},
        {"+CPBR:", "", Guard::None, &ModemLink::CpbrReply},
    }};

    bool previousMatched = false;
    for (const Row& row : kDispatch) {
        const bool skip = (row.guard == Guard::UnlessPreviousMatched && previousMatched) ||
                          (row.guard == Guard::SbmEnabled && !settings_.sbmEnabled) ||
                          (row.guard == Guard::AlsoSM && InStr(1, line, "SM") == 0);
        long at = 0;
        if (!skip) {
            at = InStr(1, line, row.keyword);
            if (at == 0 && !row.alternative.empty()) at = InStr(1, line, row.alternative);
        }
        previousMatched = at > 0;
        if (at == 0) continue;
        MatchPos = at;
        (this->*row.action)(line);
    }
}

// "+CMS ERROR:" followed by the code text (the rest of the line, its blank included). A
// refused message body releases the queue at once; after any other command the queue
// waits for the "OK" or the time-out.
void ModemLink::CmsErrorLine(const std::string& line) {
    const std::string code = Mid(line, MatchPos + static_cast<long>(kCmsError.size()));
    events_.CmsErrorReceived(code);
    if (!awaitingBodyResult_) return;
    if (!ReadyForNextCommand) ReadyForNextCommand = true;
    MessageBodyRefused(code);
}

// Any other error result: shown from "ERROR" to the end of the line, and an "AT" written
// outside the queue, whose "OK" releases the queue.
void ModemLink::ErrorLine(const std::string& line) {
    events_.ErrorReported(Mid(line, MatchPos));
    MSComm1.Output(std::string(at::kAttention).append(at::kLineEnd));
}

void ModemLink::OkLine(const std::string&) {
    if (!ReadyForNextCommand) ReadyForNextCommand = true;
    ModemResponding = true;
}

}  // namespace shortmsg
