#pragma once
// The modem link: the modem port, the command queue and its pump, the 200 ms service loop
// that cuts the modem's output into lines and dispatches them, the reply handlers, the
// supervision of a silent modem, start-up and quit. It knows no window: it reads the
// options from LinkSettings and reports what happens through LinkEvents.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "link/command_queue.h"
#include "link/link_events.h"
#include "link/link_settings.h"
#include "link/outbox.h"
#include "link/phone_book.h"
#include "link/receive_buffer.h"
#include "pdu/concatenation.h"
#include "platform/periodic_timer.h"
#include "platform/serial_port.h"
#include "platform/services.h"

namespace shortmsg {

// The link's three timers: the service loop (200 ms), the sanity check (20 s once started)
// and the response time-out (10 s, 15 s after a message body). The link sets their ticks.
struct LinkTimers {
    PeriodicTimer& ServiceSerialPortMSComm1Timer;
    PeriodicTimer& SanityTimer;
    PeriodicTimer& ResponseTimeOutTimer;
};

inline constexpr int kCommandTimeOut = 10000;      // ms, after an ordinary command
inline constexpr int kMessageBodyTimeOut = 15000;  // ms, after a message body

class ModemLink {
  public:
    ModemLink(SerialPort& port, LinkTimers timers, Clock& clock, const LinkSettings& settings,
              LinkEvents& events);
    ModemLink(const ModemLink&) = delete;
    ModemLink& operator=(const ModemLink&) = delete;

    // Start-up. OpenPort opens the port the settings name at "19200,N,8,1" (closing it
    // first when open); false when it cannot be opened. Start then queues and starts the
    // initialisation; StartWithoutPort leaves the link ready to recover once the port opens.
    bool OpenPort();
    void Start();
    void StartWithoutPort();
    // The port opened again after it was closed (it came back, or the operator chose it
    // again): the modem is reset and initialised afresh, and the messages queued meanwhile
    // go out whole after that; one already half written is reported not sent.
    void PortReturned();

    // The timers' ticks.
    void ServiceSerialPortMSComm1Timer_Timer();
    void SanityTimer_Timer();
    void ResponseTimeOutTimer_Timer();

    // Quit: the port closed, the link's timers stopped; nothing more is written.
    void Quit();

    // Producers: every command goes through the queue.
    void QueueCommand(std::string_view command);  // the command and CR LF
    // An SMS (or one part of message `message`): "AT+CMGS=" with the length, the PDU with
    // Ctrl-Z and, with `followUps`, "AT+CNMI=1,1,0,0,0" and "AT+CPMS?". The length counts
    // the whole PDU, or only its TPDU once the modem has shown that it takes that. The body
    // goes when its prompt comes.
    void QueueSmsSubmit(const std::string& pdu, int message, bool followUps = true);
    void QueueSmsSubmit(const std::string& pdu, int length, int message, bool followUps = true);
    // Encodes `text` (UTF-8) for `destination` with the settings and queues it as above: as
    // GSM 7-bit when the terminal's table carries it, else as UCS2, in parts when it is
    // longer than one message holds. The message's number, or 0 when the encoder refuses it
    // (reported; nothing is queued).
    int QueueTextMessage(std::string_view text, std::string_view destination);
    // A short burst message: "AT+SBDWT=" with the text (in ISO 8859-1), then "AT+SBDI"; its
    // number, or 0 when the text holds a character outside ISO 8859-1 (reported).
    int QueueSbdMessage(std::string_view text);

    const CommandQueue& Queue() const { return queue_; }
    const ReceiveBuffer& Received() const { return rx_; }
    const PhoneBookTables& PhoneBook() const { return phoneBook_.Tables(); }
    // The outgoing messages not yet seen to their end.
    const Outbox& Messages() const { return outbox_; }
    SerialPort& Port() { return MSComm1; }

    // The fields of the last "+CSMS:" and "+CPMS:" replies, in reply order.
    std::string CsmsService, CsmsMT, CsmsMO, CsmsBM;
    std::string CpmsMem1, CpmsUsed1, CpmsTotal1, CpmsMem2, CpmsUsed2, CpmsTotal2, CpmsMem3,
        CpmsUsed3, CpmsTotal3;

  private:
    // The service loop's steps.
    void ReadModemInput();
    void CutAndDispatchLines();
    void DispatchLine(const std::string& line);
    // A ">" that no written "AT+CMGS=" awaits (the modem still waits for a body the link
    // gave up): answered with ESC; true when it was, and nothing else is written this tick.
    bool CancelStrayPrompt();
    void PumpCommand();
    void ResendOnTimeOut();
    void GiveUpCommand();
    void ResetModem();
    // The modem reset: ESC (ending any text entry), "ATZ", and the queue replaced by the
    // re-initialisation, whose first "AT" stands for the "ATZ".
    void WriteResetAndReinitialise();

    // Reply handlers, called by the dispatch with the current line (MatchPos: where the
    // keyword was found).
    void CsmsReply(const std::string& line);
    void CpmsReply(const std::string& line);
    void CmsErrorLine(const std::string& line);
    void ErrorLine(const std::string& line);
    void CmgsReply(const std::string& line);
    void OkLine(const std::string& line);
    void SbdiReply(const std::string& line);
    void SbdrtReply(const std::string& line);
    void CmgrReply(const std::string& line);
    void CdsReply(const std::string& line);
    void CmtiReply(const std::string& line);
    void CpbsReply(const std::string& line);
    void CpbrReply(const std::string& line);
    void SbdRingLine(const std::string& line);
    // The outgoing side of a "+SBDI:": the message's outcome, and Send enabled again.
    void ReportSbdOutcome(int moStatus, int message);

    // Short burst mail (mailbox.cpp): ring alerts asked for when the modem is initialised
    // with "SBM Enabled" checked, and a mailbox check on a ring or every 15 minutes, so a
    // message waiting at the gateway is read without the operator sending one.
    void AskForRingAlerts();
    void CheckMailbox();
    void MailboxDue();
    // The command written last is one whose refusal only means the modem lacks it.
    bool RefusalExpected() const;

    // The modem answered: the sanity check sees it, and the queue moves on.
    void ModemAnswered();
    // Outgoing messages: a message that will not go is dropped from the queue and, the
    // first time, reported with `reason` ("" when its failure was shown already).
    void MessageFailed(int message, std::string_view reason);
    // The message the line at the head of the queue belongs to, while it is pending (0 when
    // none).
    int MessageInFlight() const;
    void EndUnansweredMessage();

    // Reads and decodes the PDU line after the current line; see reception.cpp.
    struct ReadPdu;
    std::optional<ReadPdu> ReadAndDecodePdu();
    std::optional<std::string> CutPduLine();
    // Position (0-based) of `needle` in the text after the current line, at or after
    // `from`. While it is not there, what the modem sends meanwhile is read into the buffer
    // until it turns up or the tick's wait budget is spent.
    std::optional<std::size_t> FindAfterLine(std::size_t from, std::string_view needle);
    // Waits until at least `count` characters follow the current line; false when the
    // budget ran out first.
    bool AwaitAfterLine(std::size_t count);
    // Reads the modem's next input into the buffer within the budget; false when nothing
    // more can come (or the buffer is full).
    bool ReceiveMore();
    // Whether the tick has spent its wait budget: a line that would wait is left for the
    // next tick.
    bool WaitBudgetSpent();

    // The send-length dialects (send_length.cpp).
    void NoteCommandWritten(std::string_view command);
    // A "+CMS ERROR:" refused the body written last: true when the message goes once more
    // in the other dialect (the refusal is then no error for the operator).
    bool WillRetryRefusedBody(const std::string& code) const;
    void MessageBodyRefused(const std::string& code, bool retry);
    void MessageBodyConfirmed();

    SerialPort& MSComm1;
    LinkTimers timers_;
    Clock& clock_;
    const LinkSettings& settings_;
    LinkEvents& events_;

    CommandQueue queue_;
    ReceiveBuffer rx_;
    PhoneBookReader phoneBook_;
    Outbox outbox_;

    long MatchPos = 0;
    bool ReadyForNextCommand = false;
    bool PromptReceived = false;
    bool ResponseTimedOut = false;
    bool ModemResponding = false;
    // The command written last was a message body and its result ("+CMGS:", "+CMS ERROR:")
    // has not come yet: a "+CMS ERROR:" now refuses it.
    bool awaitingBodyResult_ = false;
    // The message whose line at the head of the queue an "ERROR" answered (0: none): it
    // ends not sent when the queue moves on.
    int refusedMessage_ = 0;
    // The length after the "AT+CMGS=" written last (-1 before the first), and whether the
    // modem takes the TPDU length (it refused the whole PDU's and confirmed the other).
    long LastSendLength = -1;
    bool UseTpduSendLength = false;
    // The index of the "AT+CMGR=" written last, and what the last message read left (a
    // status report keeps the sender and time stamp of the message before it).
    std::string lastReadIndex_;
    std::string lastSender_;
    std::string lastTimeStamp_;
    // The reference of the next message sent in parts, and the parts of messages received
    // in parts until their sets are whole.
    std::uint8_t nextReference_ = 1;
    MessageAssembler assembler_;
    // The MT length of the last "+SBDI:" that announced a short burst message (-1: none
    // yet): the length of the text in the modem's buffer.
    long mtLength_ = -1;
    // The steady count of the last mailbox check (or of when "SBM Enabled" was last found
    // cleared).
    std::int64_t lastMailboxCheck_ = 0;
    // The waits for the rest of replies share one budget per tick (ms on the steady
    // count; 0 while no wait has started in this tick).
    std::int64_t waitDeadline_ = 0;
    // The tick left lines that would wait for the next tick.
    bool stopCutting_ = false;
};

}  // namespace shortmsg
