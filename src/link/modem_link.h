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
#include "link/phone_book.h"
#include "link/receive_buffer.h"
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

    // The timers' ticks.
    void ServiceSerialPortMSComm1Timer_Timer();
    void SanityTimer_Timer();
    void ResponseTimeOutTimer_Timer();

    // Quit: the port closed, the link's timers stopped; nothing more is written.
    void Quit();

    // Producers: every command goes through the queue.
    void QueueCommand(std::string_view command);  // the command and CR LF
    // An SMS: "AT+CMGS=" with the length, the PDU with Ctrl-Z, "AT+CNMI=1,1,0,0,0" and
    // "AT+CPMS?"; the ">" prompt is awaited. The length counts the whole PDU, or only its
    // TPDU once the modem has shown that it takes that.
    void QueueSmsSubmit(const std::string& pdu);
    void QueueSmsSubmit(const std::string& pdu, int length);
    // Encodes `text` for `destination` with the settings and queues it as above; a message
    // the encoder refuses is reported and nothing is queued (false).
    bool QueueTextMessage(std::string_view text, std::string_view destination);
    // A short burst message: "AT+SBDWT=" with the text, then "AT+SBDI".
    void QueueSbdMessage(std::string_view text);

    const CommandQueue& Queue() const { return queue_; }
    const ReceiveBuffer& Received() const { return rx_; }
    const PhoneBookTables& PhoneBook() const { return phoneBook_; }
    SerialPort& Port() { return MSComm1; }

    // The fields of the last "+CSMS:" and "+CPMS:" replies, in reply order.
    std::string CsmsService, CsmsMT, CsmsMO, CsmsBM;
    std::string CpmsMem1, CpmsUsed1, CpmsTotal1, CpmsMem2, CpmsUsed2, CpmsTotal2, CpmsMem3,
        CpmsUsed3, CpmsTotal3;

  private:
    friend struct DispatchTable;

    // The service loop's steps.
    void ReadModemInput();
    void CutAndDispatchLines();
    void DispatchLine(const std::string& line);
    void PumpCommand();
    void ResendOnTimeOut();
    void ResetModem();

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

    // The modem answered: the sanity check sees it, and the queue moves on.
    void ModemAnswered();
    // Reads and decodes the PDU line after the current line; see reception.cpp.
    struct ReadPdu;
    std::optional<ReadPdu> ReadAndDecodePdu();
    std::optional<std::string> CutPduLine();
    // Position (0-based) of `needle` in the text after the current line, at or after
    // `from`. While it is not there, what the modem sends meanwhile is read into the buffer
    // until it turns up or the clock passes `deadline` (ms on the steady count).
    std::optional<std::size_t> FindAfterLine(std::size_t from, std::string_view needle,
                                             std::int64_t deadline);
    // Reads the modem's next input into the buffer within the deadline; false when nothing
    // more can come (or the buffer is full).
    bool ReceiveMore(std::int64_t deadline);
    // The deadline of a wait for the rest of a reply, starting now.
    std::int64_t ReplyDeadline();

    // The send-length dialects (send_length.cpp).
    void NoteCommandWritten(std::string_view command);
    void MessageBodyRefused(const std::string& code);
    void MessageBodyConfirmed();

    SerialPort& MSComm1;
    LinkTimers timers_;
    Clock& clock_;
    const LinkSettings& settings_;
    LinkEvents& events_;

    CommandQueue queue_;
    ReceiveBuffer rx_;
    PhoneBookTables phoneBook_;

    long MatchPos = 0;
    bool ReadyForNextCommand = false;
    bool PromptReceived = false;
    bool ResponseTimedOut = false;
    bool ModemResponding = false;
    // The command written last was a message body: a "+CMS ERROR:" now refuses it.
    bool awaitingBodyResult_ = false;
    // The length after the "AT+CMGS=" written last (-1 before the first), and whether the
    // modem takes the TPDU length (it refused the whole PDU's and confirmed the other).
    long LastSendLength = -1;
    bool UseTpduSendLength = false;
    // The index of the "AT+CMGR=" written last, and what the last message read left (a
    // status report keeps the sender and time stamp of the message before it).
    std::string lastReadIndex_;
    std::string lastSender_;
    std::string lastTimeStamp_;
};

}  // namespace shortmsg
