// The main window's smaller commands: Clear, the byte counter, the phone-book and
// quick-message boxes with their deferred picks, and Options.
#include <string>

#include "link/messages.h"
#include "pdu/utf8.h"
#include "ui/command_plans.h"
#include "ui/terminal.h"

namespace shortmsg {

void SMS::ClearButton_Click() {
    SMinputWindow.SetText("");
    TxMessageByteCount.SetText("0");
}

// The characters as typed, before any alphabet conversion.
void SMS::SMinputWindow_Change() {
    TxMessageByteCount.SetText(std::to_string(Utf8Length(SMinputWindow.Text())));
}

// Typing into the phone-book box is undone; picking a name raises Click, not Change.
void SMS::PhoneBook_Change() {
    if (PhoneBook.Text() != texts::kPhoneBookText) PhoneBook.SetText(texts::kPhoneBookText);
}

void SMS::PhoneBook_Click() {
    PhoneBookChosen = true;
}

void SMS::QuickSMS_Combo1_Click() {
    QuickSmsChosen = true;
}

// On the half-second tick after a quick message was picked: it goes into the input box.
void SMS::QuickMessagePick() {
    QuickSmsChosen = false;
    SMinputWindow.SetText(QuickSMS_Combo1.Text());
    QuickSMS_Combo1.SetText(texts::kQuickMessagePrompt);
    TxMessageByteCount.SetText(std::to_string(Utf8Length(SMinputWindow.Text())));
}

// On the half-second tick after a name was picked: its number becomes the destination. A
// name found in no slot of the range read leaves the destination as it was.
void SMS::PhoneBookPick() {
    PhoneBookChosen = false;
    const PhoneBookTables& book = link_.PhoneBook();
    const auto slot =
        FindPhoneBookSlot(book.PhoneBookNames, book.PhoneBookFirstIndex, PhoneBook.Text());
    if (slot) SendToAddress.SetText(book.PhoneBookNumbers[static_cast<size_t>(*slot)]);
}

// The options window is shown and the modem is not serviced until "Back to Main".
void SMS::SerialPortSettings_Click() {
    Options().Show();
    Hide();
    for (Timer* timer : {&ServiceSerialPortMSComm1Timer, &SanityTimer, &OneHalfSecondTimer,
                         &ResponseTimeOutTimer}) {
        if (timer->Enabled()) timer->SetEnabled(false);
    }
}

}  // namespace shortmsg
