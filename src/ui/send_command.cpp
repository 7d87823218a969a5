// Send: the message in the input box goes as short burst data ("SBM Enabled" checked) or as
// an SMS in PDU mode.
#include <string>

#include "ui/command_plans.h"
#include "ui/terminal.h"

namespace shortmsg {
namespace {

// "AT+SBDWT=" with the text, then "AT+SBDI". The link refuses text that short burst data
// cannot carry, or that would break the command line, before anything is queued.
void SendShortBurst(SMS& sms) {
    sms.OperatorMessage = sms.Link().QueueSbdMessage(sms.SMinputWindow.Text());
    if (sms.OperatorMessage != 0) sms.SendButton.SetEnabled(false);
}

// The three checks, then the PDU: the text in the GSM alphabet, the destination's digits and
// the settings the encoder reads. A text the encoder refuses is reported, not queued.
void SendSms(SMS& sms) {
    OptionsForm& options = sms.Options();
    const auto failed =
        SmsSendChecks(sms.SendToAddress.Text(), sms.SMinputWindow.Text(),
                      options.ServiceCenterAddress.Text(), options.UseSCAinPhone.Checked());
    for (std::string_view text : failed) sms.ReportError(text);
    if (!failed.empty()) return;

    sms.OperatorMessage =
        sms.Link().QueueTextMessage(sms.SMinputWindow.Text(), sms.SendToAddress.Text());
    if (sms.OperatorMessage != 0) sms.SendButton.SetEnabled(false);
}

}  // namespace

void SMS::SendButton_Click() {
    if (Options().SBM_Enabled.Checked()) {
        SendShortBurst(*this);
    } else {
        SendSms(*this);
    }
}

}  // namespace shortmsg
