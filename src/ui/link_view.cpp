// What the modem link reports, shown in the main window (and the options window's debug and
// status boxes). A freshly announced message is also handed to the GPS side.
#include "link/reply_fields.h"
#include "ui/terminal.h"

namespace shortmsg {
namespace {

// Green when the field's value is the number 1 ("001" as the terminal's modems write it,
// "1" as standard modems do).
int Lamp(const std::string& service) {
    return IntegerValue(service) == 1 ? kGreen : kRed;
}

// The status list keeps the newest reports.
constexpr int kStatusListItems = 500;

}  // namespace

void SMS::ModemTextReceived(const std::string& buffer) {
    Options().DebugWindow.SetText(buffer);
}

// The lamps follow the reply only while the main window is shown.
void SMS::ServiceSupport(const std::string& mt, const std::string& mo) {
    if (!Visible()) return;
    MT_Supported.SetFillColor(Lamp(mt));
    MO_Supported.SetFillColor(Lamp(mo));
}

// The index never points past the last message.
void SMS::StorageCount(const std::string& used) {
    NumberOfMessages.SetText(used);
    EraseButton.SetEnabled(true);
    if (IntegerValueOr0(ReadSMSMemory1Index.Text()) > IntegerValueOr0(NumberOfMessages.Text())) {
        ReadSMSMemory1Index.SetText(NumberOfMessages.Text());
    }
}

void SMS::MessageAnnounced(const std::string& index) {
    ReadSMSMemory1Index.SetText(index);
    HighlightNewMessage(texts::kNewMessage);
}

// Only a message announced by "+CMTI:" moments ago (its highlight still on) is acted on;
// one the operator steps to with Next is only shown.
void SMS::MessageReceived(const MessageRead& message) {
    FromAddress.SetText(message.sender);
    ShortMessageTimeStamp.SetText(message.timeStamp);
    MTDisplayWindow.SetText(message.text);
    if (!NewMessageHighlight || !message.whole) return;
    app_.MessageForGps({message.text, message.sender, Channel::Sms, message.storeIndexes});
}

void SMS::StatusReportReceived(const std::string& line) {
    ComboBox& list = Options().MO_Message_Status;
    if (list.ListCount() >= kStatusListItems) list.RemoveItem(0);
    list.AddItem(line);
}

// A short burst message has no sender number: "From" says what it is, and the time stamp is
// the local time it was read. A query in it is answered by short burst data.
void SMS::ShortBurstTextReceived(const std::string& text) {
    HighlightNewMessage(std::string(texts::kNewSbmPrefix).append(text));
    FromAddress.SetText(texts::kShortBurstSender);
    ShortMessageTimeStamp.SetText(FormatLocalTimeStamp(app_.services.clock.Now()));
    app_.MessageForGps({text, "", Channel::ShortBurst, {}});
}

// " Message sent: " and the message on green in the input box; the half-second tick puts
// the message back on white after nine ticks. A confirmation that comes while another is
// showing keeps the operator's text saved, unless the operator has put new text in the box
// meanwhile: the box never gets its own confirmation saved as the message.
// The confirmation of someone else's message (a position report) does not show over the
// operator's own text: it would say that text was sent.
void SMS::SendConfirmed(int message) {
    if (message != 0 && message != OperatorMessage && HoldsOperatorsText()) return;
    const bool showing = ShowsConfirmation();
    SentHighlight = true;
    SMinputWindow.SetBackColor(kGreen);
    if (!showing) SavedInputText = SMinputWindow.Text();
    SMinputWindow.SetText(std::string(texts::kMessageSentPrefix).append(SavedInputText));
    SentConfirmationText = SMinputWindow.Text();
}

void SMS::SendFinished() {
    SendButton.SetEnabled(true);
}

void SMS::PhoneBookCleared() {
    while (PhoneBook.ListCount() >= 1) PhoneBook.RemoveItem(0);
}

void SMS::PhoneBookEntryRead(const std::string& name) {
    PhoneBook.AddItem(name);
}

void SMS::CmsErrorReceived(const std::string& code) {
    ShowCmsError(code);
}

void SMS::ErrorReported(std::string_view text) {
    ReportError(text);
}

void SMS::ModemResetting() {
    MO_Supported.SetFillColor(kRed);
    MT_Supported.SetFillColor(kRed);
}

}  // namespace shortmsg
