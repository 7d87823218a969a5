// The words of every control of the two windows, in one table. The mnemonics of one window
// are distinct letters.
#include "ui/qt/control_words.h"

namespace shortmsg::qtui {
namespace {

constexpr ControlWords kWords[] = {
    // The main window.
    {"SendToAddress", "Send to"},
    {"PhoneBook", "Phone book"},
    {"QuickSMS_Combo1", "Quick message"},
    {"SMinputWindow", "Message text"},
    {"TxMessageByteCount", "Number of bytes"},
    {"SendButton", "Send", 'S'},
    {"ClearButton", "Clear", 'C'},
    {"SerialPortSettings", "Options", 'O'},
    {"QuitButton", "Quit", 'Q'},
    {"ErrorMessageWindow", "Error message"},
    {"MTDisplayWindow", "Received message"},
    {"FromAddress", "From"},
    {"ShortMessageTimeStamp", "Time stamp"},
    {"ReadSMSMemory1Index", "Message index"},
    {"NumberOfMessages", "Number of messages"},
    {"EraseButton", "Erase", 'E'},
    {"NextButton", "Next", 'N'},
    {"DistanceMovedDisplay", "Distance moved"},
    {"MO_Supported", "MO Ready"},
    {"MT_Supported", "MT Ready"},
    // The options window.
    {"ServiceCenterAddress", "Service center address"},
    {"UseSCAinPhone", "Default SCA", 'D'},
    {"RegisteredSM", "Registered", 'R'},
    {"RadioSerialPortNumber", "Serial port"},
    {"SBM_Enabled", "SBM Enabled", 'E'},
    {"EnableGPS", "GPS Enable", 'G'},
    {"StoreRxGPS", "Store Rx GPS", 'S'},
    {"ModemLog", "Modem Log", 'M'},
    {"AllowedNumbers", "Numbers allowed to ask for the position"},
    {"ShortBurstQueries", "Short burst queries", 'h'},
    {"DebugWindow", "Modem text"},
    {"GPS_Window", "GPS sentence"},
    {"MO_Message_Status", "Message status"},
    {"UpdatePhoneBookButton", "Update Phone Book", 'U'},
    {"BackToMainButton", "Back to Main", 'B'},
};

}  // namespace

const ControlWords* WordsFor(std::string_view control) {
    for (const ControlWords& words : kWords) {
        if (words.control == control) return &words;
    }
    return nullptr;
}

QString WithMnemonic(const QString& caption, char mnemonic) {
    QString text;
    bool marked = mnemonic == 0;
    for (const QChar c : caption) {
        if (c == QLatin1Char('&')) text += QLatin1Char('&');
        if (!marked && c.toUpper() == QChar::fromLatin1(mnemonic).toUpper()) {
            text += QLatin1Char('&');
            marked = true;
        }
        text += c;
    }
    return text;
}

}  // namespace shortmsg::qtui
