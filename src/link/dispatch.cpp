// The response parser: every line runs through a fixed series of keyword tests, and a line
// may satisfy several. Keyword tests are case-sensitive. The result codes count only as
// whole lines ("OK", "ERROR") or at the start of one ("+CMS ERROR:", "+CME ERROR:"), so that
// text in another reply (a phone-book name such as "BROOKS") is no result; every other
// keyword may stand anywhere in its line.
#include <array>
#include <string_view>
#include <utility>

#include "link/at_commands.h"
#include "link/modem_link.h"
#include "link/text.h"

namespace shortmsg {
namespace {

constexpr std::string_view kCmsError = "+CMS ERROR:";
constexpr std::string_view kCmeError = "+CME ERROR:";
// The line without the blanks, CR and LF around it, and where that starts (1-based).
std::string_view Trimmed(std::string_view line, long& start) {
    const std::string_view trimmed = TrimBlanks(line);
    start = static_cast<long>(trimmed.data() - line.data()) + 1;
    return trimmed;
}

// Position of `word` when it is the whole line; 0 otherwise.
long WholeLine(std::string_view line, std::string_view word) {
    long start = 0;
    return Trimmed(line, start) == word ? start : 0;
}

// Position of `keyword` when the line starts with it; 0 otherwise.
long AtStart(std::string_view line, std::string_view keyword) {
    long start = 0;
    return Trimmed(line, start).starts_with(keyword) ? start : 0;
}

// "ERROR" as a whole line, or the "ERROR" of a "+CME ERROR:" line.
long ErrorResult(std::string_view line) {
    if (const long at = WholeLine(line, "ERROR")) return at;
    const long cme = AtStart(line, kCmeError);
    return cme == 0 ? 0 : cme + static_cast<long>(kCmeError.find("ERROR"));
}

long CmsErrorResult(std::string_view line) {
    return AtStart(line, kCmsError);
}

long OkResult(std::string_view line) {
    return WholeLine(line, "OK");
}

enum class Guard {
    None,
    SbmEnabled,  // only while "SBM Enabled" is checked
    AlsoSM,      // the line must also contain "SM"
};

// A reply that waits for its rest (the PDU after "+CMGR:" or "+CDS:", the text after
// "+SBDRT:").
bool WaitsForItsRest(std::string_view line) {
    for (std::string_view keyword : {"+CMGR:", "+CDS:", "+SBDRT:"}) {
        if (line.find(keyword) != std::string_view::npos) return true;
    }
    return false;
}

}  // namespace

void ModemLink::DispatchLine(const std::string& line) {
    if (WaitBudgetSpent() && WaitsForItsRest(line)) {
        rx_.PutBackLine();
        stopCutting_ = true;
        return;
    }
    struct Row {
        std::string_view keyword;      // tested anywhere in the line, unless `result`
        std::string_view alternative;  // matched when the keyword is absent ("" for none)
        long (*result)(std::string_view);
        Guard guard;
        void (ModemLink::*action)(const std::string&);
    };
    static constexpr std::array<Row, 14> kDispatch = {{
        {"+CSMS:", "+CSMS=", nullptr, Guard::None, &ModemLink::CsmsReply},
        {"+CPMS:", "+CPMS=", nullptr, Guard::None, &ModemLink::CpmsReply},
        {kCmsError, "", CmsErrorResult, Guard::None, &ModemLink::CmsErrorLine},
        {"ERROR", "", ErrorResult, Guard::None, &ModemLink::ErrorLine},
        {"+CMGS:", "", nullptr, Guard::None, &ModemLink::CmgsReply},
        {"OK", "", OkResult, Guard::None, &ModemLink::OkLine},
        {"+SBDI:", "", nullptr, Guard::SbmEnabled, &ModemLink::SbdiReply},
        // Unguarded: the text after "+SBDRT:" is the remote party's and is taken out of the
        // buffer whether or not "SBM Enabled" is checked; the handler acts on it only while
        // it is.
        {"+SBDRT:", "", nullptr, Guard::None, &ModemLink::SbdrtReply},
        {"+CMGR:", "", nullptr, Guard::None, &ModemLink::CmgrReply},
        {"+CDS:", "", nullptr, Guard::None, &ModemLink::CdsReply},
        {"+CMTI:", "", nullptr, Guard::None, &ModemLink::CmtiReply},
        {"+CPBS:", "", nullptr, Guard::AlsoSM, &ModemLink::CpbsReply},
        {"+CPBR:", "", nullptr, Guard::None, &ModemLink::CpbrReply},
        {"SBDRING", "", nullptr, Guard::SbmEnabled, &ModemLink::SbdRingLine},
    }};

    for (const Row& row : kDispatch) {
        const bool skip = (row.guard == Guard::SbmEnabled && !settings_.sbmEnabled) ||
                          (row.guard == Guard::AlsoSM && InStr(1, line, "SM") == 0);
        long at = 0;
        if (!skip && row.result != nullptr) {
            at = row.result(line);
        } else if (!skip) {
            at = InStr(1, line, row.keyword);
            if (at == 0 && !row.alternative.empty()) at = InStr(1, line, row.alternative);
        }
        if (at == 0) continue;
        MatchPos = at;
        (this->*row.action)(line);
    }
}

// "+CMS ERROR:" followed by the code text (the rest of the line, its blank included). A
// refused message body releases the queue at once; after any other command the queue
// waits for the "OK" or the time-out. A refusal that the link answers by sending the
// message once more in the modem's own dialect is no error for the operator.
void ModemLink::CmsErrorLine(const std::string& line) {
    const std::string code = Mid(line, MatchPos + static_cast<long>(kCmsError.size()));
    const bool bodyRefused = std::exchange(awaitingBodyResult_, false);
    const bool retry = bodyRefused && WillRetryRefusedBody(code);
    if (!retry) events_.CmsErrorReceived(code);
    if (!bodyRefused) return;
    ReadyForNextCommand = true;
    MessageBodyRefused(code, retry);
}

// Any other error result: shown from "ERROR" to the end of the line, and an "AT" written
// outside the queue, whose "OK" releases the queue.
void ModemLink::ErrorLine(const std::string& line) {
    if (RefusalExpected()) {  // a modem without short burst mail: nothing to tell
        ReadyForNextCommand = true;
        return;
    }
    events_.ErrorReported(Mid(line, MatchPos));
    refusedMessage_ = MessageInFlight();
    MSComm1.Output(std::string(at::kAttention).append(at::kLineEnd));
}

// The queue moves on. The answer to a read of the phone book may ask for the next part of
// it; an SBD exchange whose result line was not taken ("SBM Enabled" cleared meanwhile) has
// ended all the same, its outcome unknown.
void ModemLink::OkLine(const std::string&) {
    ModemAnswered();
    const std::string& head = queue_.Head().text;
    if (head.starts_with(at::kPhoneBookRead) && !head.starts_with(at::kPhoneBookRange)) {
        if (const auto next = phoneBook_.ReadAnswered()) QueueCommand(*next);
    }
    if (const int message = MessageInFlight();
        message != 0 && RoleOf(head) == LineRole::SbdExchange && !settings_.sbmEnabled) {
        outbox_.Close(message);
        events_.SendFinished();
    }
}

}  // namespace shortmsg
