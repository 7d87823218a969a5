#pragma once
// Every command the terminal writes to the modem, and the line settings of both ports.
#include <array>
#include <string_view>

namespace shortmsg::at {

inline constexpr std::string_view kLineEnd = "\r\n";
inline constexpr char kCtrlZ = '\x1A';
// Ends a modem's text entry (a message body it waits for) without sending.
inline constexpr char kEscape = '\x1B';

inline constexpr std::string_view kAttention = "AT";
inline constexpr std::string_view kReset = "ATZ";
inline constexpr std::string_view kVerboseErrors = "AT+CMEE=2";
inline constexpr std::string_view kServiceQuery = "AT+CSMS?";
inline constexpr std::string_view kStorageQuery = "AT+CPMS?";
inline constexpr std::string_view kIndicationsNoReports = "AT+CNMI=1,1,0,0,0";
inline constexpr std::string_view kIndicationsWithReports = "AT+CNMI=1,1,0,1,0";
inline constexpr std::string_view kSelectSimPhoneBook = "AT+CPBS=\"SM\"";
inline constexpr std::string_view kPhoneBookQuery = "AT+CPBS?";
inline constexpr std::string_view kPhoneBookRange = "AT+CPBR=?";
inline constexpr std::string_view kPhoneBookRead = "AT+CPBR=";  // + index[,index]
inline constexpr std::string_view kReadMessage = "AT+CMGR=";    // + index
inline constexpr std::string_view kDeleteMessage = "AT+CMGD=";  // + index
inline constexpr std::string_view kListAllMessages = "AT+CMGL=4";
inline constexpr std::string_view kSendMessage = "AT+CMGS=";    // + length
inline constexpr std::string_view kSbdWriteText = "AT+SBDWT=";  // + text
inline constexpr std::string_view kSbdExchange = "AT+SBDI";
inline constexpr std::string_view kSbdReadText = "AT+SBDRT";
// Short burst mail: ring alerts on, and the outgoing buffer emptied before a mailbox check.
inline constexpr std::string_view kSbdRingAlerts = "AT+SBDMTA=1";
inline constexpr std::string_view kSbdClearOutgoing = "AT+SBDD0";

// Queued at start-up; the first is written at once.
inline constexpr std::array<std::string_view, 8> kInitialisation = {
    kAttention,          kVerboseErrors,  kServiceQuery,  kStorageQuery, kIndicationsNoReports,
    kSelectSimPhoneBook, kPhoneBookQuery, kPhoneBookRange};

// Queued by the sanity check after "ATZ"; its first "AT" stands for the "ATZ" written.
inline constexpr std::array<std::string_view, 8> kReinitialisation = {
    kAttention,          kAttention,      kServiceQuery,  kStorageQuery, kIndicationsNoReports,
    kSelectSimPhoneBook, kPhoneBookQuery, kPhoneBookRange};

inline constexpr std::string_view kModemPortSettings = "19200,N,8,1";
inline constexpr std::string_view kGpsPortSettings = "4800,N,8,1";
inline constexpr std::string_view kGpsPortNumber = "3";

}  // namespace shortmsg::at
