#pragma once
// The modem link's state: the fields of the main window that the serial service loop, the
// reply handlers, the supervision timers and the operator's commands share. Positions are
// 1-based character positions in their string; 0 means "not found".
#include <array>
#include <string>

namespace shortmsg {

inline constexpr int kPhoneBookSlots = 161;  // SIM entry indexes 0 to 160

struct LinkState {
    // The command queue: lines ending in CR LF. The line ending at TxCommandEnd is the one
    // written last; everything after it is still to be written.
    std::string TxModemBuffer;
    bool LookForSendMessagePrompt = false;

    std::string RxModemBuffer;  // modem output not yet discarded
    long RxLineStart = 1;
    long RxLineEnd = 0;
    long MatchPos = 0;
    // Set by a reply handler that took the text after its line (a received short burst
    // message's text): the position of the last character taken. The line cutter goes on
    // after it instead of dispatching that text as lines. 0: nothing taken.
    long RxConsumedEnd = 0;

    bool ReadyForNextCommand = false;
    bool PromptReceived = false;
    long TxCommandStart = 1;
    long TxCommandEnd = 0;
    std::string LastCommandSent;
    // The length after the "AT+CMGS=" written last (-1 before the first).
    long LastSendLength = -1;
    // Whether the modem takes the 3GPP TS 27.005 send length (the TPDU's octets only).
    // Every message goes with the whole PDU's octets first; a modem that refuses that with
    // "Invalid PDU mode parameter" and then confirms a message sent with the TPDU length
    // has shown its dialect, and every later message goes with the TPDU length.
    bool UseTpduSendLength = false;
    int ResendCount = 0;
    bool ResponseTimedOut = false;
    bool ModemResponding = false;

    std::string CpmsMem1, CpmsUsed1, CpmsTotal1;
    std::string CpmsMem2, CpmsUsed2, CpmsTotal2;
    std::string CpmsMem3, CpmsUsed3, CpmsTotal3;
    std::string CsmsService, CsmsMT, CsmsMO, CsmsBM;

    std::string SavedInputText;
    // What the running send confirmation put into the input box.
    std::string SentConfirmationText;
    bool SentHighlight = false;
    int SentHighlightTicks = 0;
    bool NewMessageHighlight = false;
    int NewMessageHighlightTicks = 0;
    bool ErrorBlink = false;
    int ErrorBlinkTicks = 0;

    std::array<std::string, kPhoneBookSlots> PhoneBookNames{};
    std::array<std::string, kPhoneBookSlots> PhoneBookNumbers{};
    int PhoneBookUsed = 0;
    int PhoneBookTotal = 0;
    std::string PhoneBookFirstIndex;
    std::string PhoneBookLastIndex;

    bool QuickSmsChosen = false;
    bool PhoneBookChosen = false;
};

}  // namespace shortmsg
