#pragma once
// The simulated phone modem: takes the bytes the terminal writes, answers each AT command
// from its command table, keeps a SIM message store and phone book, and announces new
// messages with "+CMTI:". No echo (as after ATE0); verbose result codes.
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "message_store.h"
#include "platform/date_time.h"

namespace shortmsg::modemsim {

class Modem {
  public:
    // Bytes from the terminal; returns the modem's answer (empty when it has none yet).
    std::string Receive(std::string_view bytes);
    // A new message arrives: stored, and the "+CMTI:" line to send is returned ("" when
    // the store is full). The messages come from a fixed list, in turn.
    std::string Announce(DateTime now);
    // The same for a given message: `sender` in international form without "+".
    std::string Announce(DateTime now, std::string_view sender, std::string_view text);
    // A short burst message waits at the gateway: the next "AT+SBDI" fetches it (its
    // "+SBDI:" gives MT status 1 and its length) and "AT+SBDRT" reads it, bytes as they are.
    void QueueShortBurst(std::string text);
    // The same, and the "SBDRING" line to send when the terminal asked for ring alerts
    // ("" when it did not).
    std::string ShortBurstArrives(std::string text);
    // Whether the terminal has gone through its initialisation (the phone-book range asked).
    bool Initialised() const { return initialised_; }
    // What happened since the last call, one entry per line: "<- AT+CPMS?", "-> OK".
    std::vector<std::string> TakeLog();

    // The command handlers (the command table's right-hand side).
    std::string Ok(std::string_view);
    std::string ServiceQuery(std::string_view);
    std::string StorageQuery(std::string_view);
    std::string PhoneBookStorage(std::string_view);
    std::string PhoneBookRange(std::string_view);
    std::string PhoneBookRead(std::string_view indexes);
    std::string ReadMessage(std::string_view index);
    std::string DeleteMessage(std::string_view index);
    std::string ListMessages(std::string_view);
    std::string SendMessage(std::string_view length);
    std::string SbdExchange(std::string_view);
    std::string SbdRead(std::string_view);
    std::string SbdRingAlerts(std::string_view setting);
    std::string SbdClear(std::string_view buffers);

    const MessageStore& Store() const { return store_; }

  private:
    std::string Command(const std::string& line);
    std::string Body(char end);

    MessageStore store_;
    std::string line_;
    std::string body_;
    bool awaitingBody_ = false;
    bool initialised_ = false;
    bool ringAlerts_ = false;  // "AT+SBDMTA=1" received
    int messageReference_ = 0;
    size_t nextIncoming_ = 0;
    std::deque<std::string> gateway_;  // short burst messages not yet fetched
    std::string mtBuffer_;             // the one fetched last
    std::vector<std::string> log_;
};

// One reply line as the modem frames it: CR LF, the text, CR LF.
std::string Framed(std::string_view text);

}  // namespace shortmsg::modemsim
