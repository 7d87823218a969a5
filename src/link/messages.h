#pragma once
// The texts the terminal shows the operator (error box and message boxes).
#include <string>
#include <string_view>

namespace shortmsg::texts {

inline constexpr std::string_view kNotAvailableSuffix =
    " not available. Change the CommPort property to another port.";
// "COM" + the port box's text + the suffix (the modem port: "COM1 not available. ...").
inline std::string PortNotAvailable(std::string_view port) {
    return "COM" + std::string(port) + std::string(kNotAvailableSuffix);
}

// The GPS receiver's port: "COM 3 not available. ..." (with a blank, unlike the modem's).
inline std::string GpsPortNotAvailable(std::string_view port) {
    return "COM " + std::string(port) + std::string(kNotAvailableSuffix);
}

inline constexpr std::string_view kCmsErrorPrefix = "!!! CMS ERROR:";
inline constexpr std::string_view kCmsErrorSuffix = " !!! ";

inline constexpr std::string_view kNoAddress =
    "No address to send to!  Please enter send to address!";
inline constexpr std::string_view kNoMessage =
    "No message to send! Please enter message in send window";
inline constexpr std::string_view kNoServiceCenter =
    "No service center address!  Please enter service center address!";
inline constexpr std::string_view kSbdNothingToSend =
    "No Message to send to!  Please enter message to send!";
inline constexpr std::string_view kSbdSendFailed = "Send attempt failed. Try again!";
inline constexpr std::string_view kSbdReceiveFailed = "Receive attempt failed!";
inline constexpr std::string_view kMessageSentPrefix = " Message sent: ";
inline constexpr std::string_view kNewMessage = " !!! New Message !!! ";
inline constexpr std::string_view kNewSbmPrefix = "New SBM: ";
// What "From" shows for a short burst message, which has no sender number.
inline constexpr std::string_view kShortBurstSender = "Short burst";

// The texts the program puts back into the phone-book and quick-message boxes.
inline constexpr std::string_view kPhoneBookText = "Phone Book";
inline constexpr std::string_view kQuickMessagePrompt = "Enter message below:";

// A "+CMGR:" or "+CDS:" whose PDU line did not come complete within the wait.
inline constexpr std::string_view kPduIncomplete =
    "Message not read! The modem did not send the whole PDU.";
// A received short burst message whose text line did not end within the wait.
inline constexpr std::string_view kSbdTextIncomplete =
    "Short burst message not read! The modem did not send the whole text.";
// Short burst data carries ISO 8859-1 text only.
inline constexpr std::string_view kSbdNotLatin1 =
    "Message not sent! Short burst data carries only Western European (ISO 8859-1) "
    "characters.";
// Short burst text goes into the "AT+SBDWT=" command line as it stands.
inline constexpr std::string_view kSbdControlCharacters =
    "Message not sent! Short burst text cannot hold line breaks or control characters.";

// A message the modem never answered, after three resends.
inline constexpr std::string_view kNotSentNoAnswer =
    "Message not sent! No answer from modem.  Please send again!";
// A message the modem refused in both send dialects.
inline constexpr std::string_view kNotSentRefused =
    "Message not sent! The modem refused it.  Please send again!";
// A message dropped from the queue by a modem reset.
inline constexpr std::string_view kNotSentModemReset =
    "Message not sent! Modem was reset.  Please send again!";

}  // namespace shortmsg::texts
