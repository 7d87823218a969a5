#pragma once
// What the modem link reports. The link never writes a window's control: it says what
// happened, and the main window shows it. Each call comes at the moment the link's rules
// reach that point, so what the windows show changes in the dialogue's own order.
#include <string>
#include <string_view>
#include <vector>

namespace shortmsg {

// A message read from the phone's store ("+CMGR:"). A status report or a message of an
// unknown type has no sender or time stamp of its own: those of the last message read are
// given again, and the text is the PDU as received. A part of a message in parts that is
// not whole yet shows with its place ("(part 1 of 3) ..."); the part that makes it whole
// brings the whole text and the store indexes of all its parts.
struct MessageRead {
    std::string sender;
    std::string timeStamp;                  // as shown: "08/01/21/ 14:00:00 GMT: 04"
    std::string text;                       // UTF-8
    std::vector<std::string> storeIndexes;  // of the "AT+CMGR=" read; of every part
    bool whole = true;                      // false: a part of a set still missing parts
};

class LinkEvents {
  public:
    virtual ~LinkEvents() = default;

    // The receive buffer, whole, after a read that brought input.
    virtual void ModemTextReceived(const std::string& buffer) = 0;
    // "+CSMS:": the MT and MO fields ("001" means supported).
    virtual void ServiceSupport(const std::string& mt, const std::string& mo) = 0;
    // "+CPMS:": the count of messages in the store (a whole number).
    virtual void StorageCount(const std::string& used) = 0;
    // "+CMTI:": a new message at `index` is being read.
    virtual void MessageAnnounced(const std::string& index) = 0;
    virtual void MessageReceived(const MessageRead& message) = 0;
    // A status report ("+CDS:" or read from the store): its line for the status list.
    virtual void StatusReportReceived(const std::string& line) = 0;
    // The text of a received short burst message.
    virtual void ShortBurstTextReceived(const std::string& text) = 0;
    // A message went out: "+CMGS:" (of its last part), or a short burst exchange that sent
    // one. `message` is the number its queueing gave (0 when the link cannot tell).
    virtual void SendConfirmed(int message) = 0;
    // A send dialogue ended (confirmed, or a short burst exchange's outcome arrived).
    virtual void SendFinished() = 0;
    // A new reading of the phone book begins: the list is built again from what it reads.
    virtual void PhoneBookCleared() = 0;
    // One phone-book entry read: the name as the SIM gave it (with its quotes).
    virtual void PhoneBookEntryRead(const std::string& name) = 0;
    // "+CMS ERROR:" and its code text, as received after the colon.
    virtual void CmsErrorReceived(const std::string& code) = 0;
    // An error for the operator: an error result, a message not sent, a reply cut short.
    virtual void ErrorReported(std::string_view text) = 0;
    // The modem was silent for a whole sanity period and is being reset.
    virtual void ModemResetting() = 0;
};

}  // namespace shortmsg
