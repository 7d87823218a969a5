// The modem link driven directly, for what the golden scenarios under tests/scenarios
// cannot show: a device path in the port box, every way a message can be dropped, the
// bounds on the receive buffer and on the waits inside a tick, and the queue and buffer
// rules through their own operations.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "link/command_queue.h"
#include "link/phone_book.h"
#include "link/receive_buffer.h"
#include "support/terminal_rig.h"

namespace shortmsg {
namespace {

using testing::TerminalRig;

const std::string kPdu = "0011000C914477000910320000AA05E8329BFD06";

// A started terminal whose modem has answered everything queued so far.
struct Rig : TerminalRig {
    Rig() : sms(Start()), link(sms.Link()) { AnswerModem(); }
    SMS& sms;
    ModemLink& link;
};

TEST(StartUp, APortBoxHoldingADevicePathOpensThatDevice) {
    TerminalRig rig;
    rig.Options().RadioSerialPortNumber.SetText("/dev/ttyUSB0");
    rig.Start();
    EXPECT_TRUE(rig.box.shown.empty());
    EXPECT_EQ(rig.modem.CommPort(), "/dev/ttyUSB0");
    EXPECT_EQ(rig.TakeWrites(), "AT\r\n");
}

// A message given up after three resends, or dropped by the sanity reset, is reported as
// not sent (link/resend_message_given_up and link/sanity_reset_drops_message show the SMS
// cases whole).
TEST(DroppedMessage, IsReportedAsNotSent) {
    const auto giveUp = [](Rig& rig) {
        for (int i = 0; i < 4; ++i) rig.TimeOut();
    };
    const std::pair<const char*, std::function<void(Rig&)>> cases[] = {
        {"SMS body given up",
         [&](Rig& rig) {
             rig.link.QueueTextMessage("hello", "+447700900123");
             rig.Tick();
             rig.ModemSays("\r\n> ");
             rig.Tick();
             giveUp(rig);
         }},
        {"AT+CMGS= given up: its body is not written",
         [&](Rig& rig) {
             rig.link.QueueTextMessage("hello", "+447700900123");
             rig.Tick();
             giveUp(rig);
             rig.TakeWrites();
             rig.ModemSays("\r\nOK\r\n");
             rig.Tick();
             EXPECT_EQ(rig.TakeWrites(), "AT+CNMI=1,1,0,0,0\r\n");
         }},
        {"AT+SBDWT= given up",
         [&](Rig& rig) {
             rig.link.QueueSbdMessage("hello");
             rig.Tick();
             giveUp(rig);
         }},
        {"AT+SBDI given up",
         [&](Rig& rig) {
             rig.link.QueueSbdMessage("hello");
             rig.Tick();
             rig.ModemSays("\r\nOK\r\n");
             rig.Tick();
             giveUp(rig);
         }},
        {"AT+SBDWT= dropped by the reset",
         [](Rig& rig) {
             rig.link.QueueSbdMessage("position");
             rig.link.SanityTimer_Timer();  // no answer since the start-up's
             rig.link.SanityTimer_Timer();
         }},
    };
    for (const auto& [what, drop] : cases) {
        Rig rig;
        drop(rig);
        ASSERT_FALSE(rig.errorBox.texts.empty()) << what;
        EXPECT_NE(rig.errorBox.texts.back().find("not sent"), std::string::npos) << what;
    }
}

// The reset drops a queued "AT+CMGS=": a ">" that comes later (here inside a phone-book
// name cut at the end of a chunk) is no prompt, and the line is read whole next tick.
TEST(Sanity, AResetStopsWaitingForThePromptOfADroppedMessage) {
    Rig rig;
    rig.link.QueueTextMessage("hello", "+447700900123");
    rig.link.SanityTimer_Timer();
    rig.link.SanityTimer_Timer();
    rig.TakeWrites();
    rig.ModemSays("\r\n+CPBR: 2,\"1234\",129,\"<Bob>");
    rig.Tick();
    rig.ModemSays("\"\r\n");
    rig.Tick();
    ASSERT_EQ(rig.sms.PhoneBook.ListCount(), 1);
    EXPECT_EQ(rig.sms.PhoneBook.Items()[0].substr(0, 7), "\"<Bob>\"");
}

TEST(ServiceLoop, TextWithoutLineEndsStaysWithinTheBufferBound) {
    TerminalRig rig;
    ModemLink& link = rig.Start().Link();
    for (int i = 0; i < 40; ++i) {
        rig.ModemSays(std::string(8192, 'y'));
        rig.Tick();
    }
    EXPECT_LE(link.Received().UnparsedSize(), kReceiveBufferLimit);
    rig.ModemSays("\r\nOK\r\n");
    rig.Tick();
    EXPECT_EQ(rig.TakeWrites(), "AT\r\nAT+CMEE=2\r\n");
}

TEST(ReplyWait, ALineEndAtTheBoundStillCountsOneLaterDoesNot) {
    for (const auto& [laterMs, shown, error] :
         {std::tuple{2000, "New SBM: GPSquery:1", false}, std::tuple{2001, "", true}}) {
        Rig rig;
        rig.Options().SBM_Enabled.SetChecked(true);
        rig.link.QueueCommand("AT+SBDRT");
        rig.Tick();
        rig.TakeWrites();
        const auto start = rig.clock.NowMs();
        rig.ModemSays("\r\n+SBDRT:\r\nGPSquery:");
        rig.modem.ArriveAt(start + laterMs, "1\r\nOK\r\n");
        rig.link.QueueCommand("AT");
        rig.Tick();
        EXPECT_EQ(rig.sms.MTDisplayWindow.Text(), shown) << laterMs;
        EXPECT_EQ(rig.errorBox.texts.size(), error ? 1u : 0u) << laterMs;
        EXPECT_EQ(rig.TakeWrites(), "AT\r\n") << laterMs;  // "+SBDRT:" answered
    }
}

TEST(ReplyWait, TheReceiveBufferStaysWithinItsBound) {
    Rig rig;
    const auto start = rig.clock.NowMs();
    const std::string noise(kReceiveBufferLimit - 100, 'x');
    rig.ModemSays("+CMGR: 0,,23\r\n");
    rig.modem.ArriveAt(start + 10, "0" + noise);  // a "0" and no CR: never a whole PDU
    rig.modem.ArriveAt(start + 20, noise);
    rig.Tick();
    EXPECT_LE(rig.link.Received().Text().size(), kReceiveBufferLimit);
    EXPECT_EQ(rig.errorBox.texts.back(), "Message not read! The modem did not send the whole PDU.");
    EXPECT_LT(rig.clock.NowMs(), start + 2000);  // gave up when the buffer was full
}

// The queue writes whole lines in order, keeps the line written last as its head, and a
// replacement's first line counts as written.
TEST(CommandQueue, WritesLinesInOrderAndKeepsTheHead) {
    CommandQueue queue;
    queue.Append("AT");
    queue.AppendLines(kPdu + "\x1A\r\n");
    queue.Append("AT+SBDWT=a\r\nb");  // a CR LF inside ends a line there
    std::string written;
    while (queue.HasNext()) {
        written += queue.Next().text;
        queue.Written();
        EXPECT_EQ(queue.Head().text, queue.LastCommandSent());
    }
    EXPECT_EQ(written, "AT\r\n" + kPdu + "\x1A\r\nAT+SBDWT=a\r\nb\r\n");
    queue.Append("AT+CPMS?");
    queue.ReplaceWith({"AT", "AT+CSMS?"});
    EXPECT_EQ(queue.HeadAndWaiting(), "AT\r\nAT+CSMS?\r\n");
    EXPECT_EQ(queue.Waiting(), "AT+CSMS?\r\n");
    EXPECT_EQ(queue.LastCommandSent(), "b\r\n");  // the replacement wrote nothing
}

TEST(CommandQueue, ThreeResendsThenGivenUpAndTheCountStartsAgain) {
    CommandQueue queue;
    std::string uses;
    for (int i = 0; i < 5; ++i) uses += queue.UseResend() ? 'r' : 'x';
    EXPECT_EQ(uses, "rrrxr");
}

// Lines as the terminal cuts them: the first of a read at the later of its first CR and LF,
// the rest at CR; empty lines skipped; a prompt after the last line taken.
TEST(ReceiveBuffer, CutsLinesAsTheTerminalDoes) {
    struct Case {
        std::string input;
        std::string lines;  // joined with "|"
        bool prompt;
    };
    const Case cases[] = {
        {"\r\nOK\r\n", "\r|OK", false},  // a lone CR first; the last LF waits
        {"OK\r\n", "OK\r", false},       // LF after CR: the line ends at it, keeping the CR
        {"\r\n+CMGS: 5\r\n\r\nOK\r\n\r\n> ", "\r|+CMGS: 5|\n|\nOK|\n", true},
        {"no line end", "", false},
    };
    for (const auto& c : cases) {
        ReceiveBuffer rx;
        rx.Append(c.input);
        rx.StartCutting();
        std::string lines;
        while (const auto line = rx.NextLine()) lines += (lines.empty() ? "" : "|") + *line;
        EXPECT_EQ(lines, c.lines) << c.input;
        EXPECT_EQ(rx.TakePrompt(), c.prompt) << c.input;
    }
}

// A reading asks for the entries in use from the first index, and for the rest of the range
// in chunks while entries are missing (a SIM that keeps them with gaps); the list shows each
// index once and never more entries than the SIM has slots.
TEST(PhoneBookReading, ReadsTheWholeRangeUntilEveryEntryIsFound) {
    struct Case {
        int used, total;
        std::string first, last;
        std::vector<int> entries;  // the indexes each read brings, the first read's first
        std::string reads;         // the read commands, joined with "|"
        int listed;
    };
    const Case cases[] = {
        {3, 250, "1", "250", {1, 2, 3}, "AT+CPBR=1,3", 3},
        {1, 250, "1", "250", {1}, "AT+CPBR=1", 1},
        {0, 250, "1", "250", {}, "", 0},
        {3,
         250,
         "1",
         "250",
         {1, 30, 160},
         "AT+CPBR=1,3|AT+CPBR=4,23|AT+CPBR=24,43|AT+CPBR=44,63|AT+CPBR=64,83|AT+CPBR=84,103|"
         "AT+CPBR=104,123|AT+CPBR=124,143|AT+CPBR=144,160",
         3},
        {2, 2, "1", "10", {1, 1, 5, 6}, "AT+CPBR=1,2|AT+CPBR=3,10", 2},  // a repeat; the cap
        {2, 250, "x", "250", {}, "", 0},
    };
    for (const auto& c : cases) {
        PhoneBookReader reader;
        reader.Storage(c.used, c.total);
        std::string reads;
        int listed = 0;
        auto read = reader.Begin(c.first, c.last);
        size_t next = 0;
        while (read) {
            reads += (reads.empty() ? "" : "|") + *read;
            // Each read brings the listed indexes that lie in it (the first read: one).
            const std::string range = read->substr(8);
            const int from = std::stoi(range);
            const size_t comma = range.find(',');
            const int to = comma == std::string::npos ? from : std::stoi(range.substr(comma + 1));
            while (next < c.entries.size() && c.entries[next] >= from && c.entries[next] <= to) {
                listed += reader.Entry(c.entries[next], "1", "\"n\"") ? 1 : 0;
                ++next;
            }
            while (next < c.entries.size() && next > 0 && c.entries[next] == c.entries[next - 1]) {
                listed += reader.Entry(c.entries[next++], "1", "\"n\"") ? 1 : 0;
            }
            read = reader.ReadAnswered();
        }
        EXPECT_EQ(reads, c.reads) << c.used << " " << c.first;
        EXPECT_EQ(listed, c.listed) << c.used << " " << c.first;
    }
}

}  // namespace
}  // namespace shortmsg
