// Placeholder bodies for the operator's commands and the options window's actions until
// they are built; each does nothing.
#include "ui/options_form.h"
#include "ui/sms.h"

namespace shortmsg {

void SMS::SendButton_Click() {}
void SMS::ClearButton_Click() {}
void SMS::EraseButton_Click() {}
void SMS::NextButton_Click() {}
void SMS::PhoneBook_Click() {}
void SMS::PhoneBook_Change() {}
void SMS::QuickSMS_Combo1_Click() {}
void SMS::SMinputWindow_Change() {}
void SMS::SerialPortSettings_Click() {}
void SMS::QuickMessagePick() {}
void SMS::PhoneBookPick() {}

void OptionsForm::RadioSerialPortNumber_Click() {}
void OptionsForm::UseSCAinPhone_Click() {}
void OptionsForm::EnableGPS_Click() {}
void OptionsForm::UpdatePhoneBookButton_Click() {}
void OptionsForm::BackToMainButton_Click() {}

}  // namespace shortmsg
