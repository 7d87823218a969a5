// The simulated modem and GPS receiver answer as the terminal expects: commands cut where
// a real line cuts them, messages the terminal's own decoders read back, sentences its RMC
// decoder takes. (The replies themselves are checked by the end-to-end test.)
#include <gtest/gtest.h>

#include "deliver_pdu.h"
#include "gps/rmc.h"
#include "gps/rmc_sentence.h"
#include "modem.h"
#include "nmea.h"
#include "pdu/decoder.h"
#include "pdu/encoder.h"

namespace shortmsg::modemsim {
namespace {

TEST(ModemLines, ArriveInPiecesAndInRuns) {
    Modem modem;
    EXPECT_EQ(modem.Receive("A"), "");
    EXPECT_EQ(modem.Receive("T\r"), "\r\nOK\r\n");
    // The LF of CR LF, an empty line (the "+CMTI:" index's stray CR), then two commands.
    EXPECT_EQ(modem.Receive("\n\r\r\nAT\r\nATZ\r\n"), "\r\nOK\r\n\r\nOK\r\n");
}

TEST(ModemSend, EscapeCancelsTheMessage) {
    Modem modem;
    modem.Receive("AT+CMGS=20\r\n");
    EXPECT_EQ(modem.Receive("0011\x1B"), "\r\nOK\r\n");
    // With no text entry to end, ESC is nothing: the reset written after it is answered.
    EXPECT_EQ(modem.Receive("\x1B"
                            "ATZ\r\n"),
              "\r\nOK\r\n");
}

TEST(ModemShortBurst, AMessageAtTheGatewayComesWithTheNextExchange) {
    Modem modem;
    modem.QueueShortBurst("GPSquery:1\r\nOK");
    EXPECT_EQ(modem.Receive("AT+SBDI\r\n"), "\r\n+SBDI: 1,1,1,1,14,0\r\n\r\nOK\r\n");
    EXPECT_EQ(modem.Receive("AT+SBDRT\r\n"), "\r\n+SBDRT:\r\nGPSquery:1\r\nOK\r\n\r\nOK\r\n");
}

// "SBDRING" only once the terminal asked for ring alerts; the message waits either way.
TEST(ModemShortBurst, RingsWhenAskedTo) {
    Modem modem;
    EXPECT_EQ(modem.ShortBurstArrives("one"), "");
    modem.Receive("AT+SBDMTA=1\r\n");
    EXPECT_EQ(modem.ShortBurstArrives("two"), "\r\nSBDRING\r\n");
    EXPECT_EQ(modem.Receive("AT+SBDI\r\n"), "\r\n+SBDI: 1,1,1,1,3,1\r\n\r\nOK\r\n");
}

TEST(ModemMessages, AnAnnouncedMessageIsStoredAndReadBack) {
    Modem modem;
    const DateTime stamp = FromCivil({2021, 1, 8, 14, 0, 0});
    EXPECT_EQ(modem.Announce(stamp), "\r\n+CMTI: \"SM\",1\r\n");
    EXPECT_EQ(modem.Announce(stamp), "\r\n+CMTI: \"SM\",2\r\n");
    EXPECT_EQ(modem.Receive("AT+CPMS?\r\n"),
              "\r\n+CPMS: \"SM\",2,30,\"SM\",2,30,\"SM\",2,30\r\n\r\nOK\r\n");

    const std::string read = modem.Receive("AT+CMGR=1\r\n");
    ASSERT_TRUE(read.starts_with("\r\n+CMGR: 0,,")) << read;
    const size_t pduStart = read.find("\r\n", 2) + 2;
    const std::string pdu = read.substr(pduStart, read.find("\r\n", pduStart) - pduStart);
    const auto decoded = DecodeReceivedPDU(pdu);
    ASSERT_TRUE(decoded.ok()) << decoded.error();
    EXPECT_EQ(decoded->type, PduType::Deliver);
    EXPECT_EQ(decoded->text, "Hello from the simulator");
    EXPECT_EQ(decoded->PDU_SenderAddress, "447700900123");
    EXPECT_EQ(FormatTimeStamp(decoded->PDU_TimeStamp), "21/01/08/ 14:00:00 GMT: 00");
    // Read once, it is no longer unread.
    EXPECT_TRUE(modem.Receive("AT+CMGR=1\r\n").starts_with("\r\n+CMGR: 1,,"));

    // Deleted, it is gone from the count and the list.
    modem.Receive("AT+CMGD=1\r\n");
    EXPECT_EQ(modem.Receive("AT+CMGR=1\r\n"), "\r\n+CMS ERROR: 321\r\n");
    const std::string list = modem.Receive("AT+CMGL=4\r\n");
    EXPECT_TRUE(list.starts_with("\r\n+CMGL: 2,0,,")) << list;
    EXPECT_TRUE(list.ends_with("\r\n\r\nOK\r\n")) << list;
}

TEST(ModemMessages, AFullStoreAnnouncesNothing) {
    Modem modem;
    for (int i = 0; i < kStoreCapacity; ++i) ASSERT_FALSE(modem.Announce(DateTime{}).empty());
    EXPECT_EQ(modem.Announce(DateTime{}), "");
}

struct PduCase {
    const char* sender;
    std::string text;
};

void PrintTo(const PduCase& c, std::ostream* os) {
    *os << c.sender << " " << c.text.size();
}

class DeliverPdus : public ::testing::TestWithParam<PduCase> {};

TEST_P(DeliverPdus, DecodeToWhatWasStored) {
    const DeliverPdu pdu = BuildDeliverPdu(GetParam().sender, GetParam().text, DateTime{});
    const auto decoded = DecodeReceivedPDU(pdu.hex);
    ASSERT_TRUE(decoded.ok()) << decoded.error();
    EXPECT_EQ(decoded->text, GetParam().text);
    EXPECT_EQ(decoded->PDU_SenderAddress, GetParam().sender);
    // The length "+CMGR:" gives counts the message without its service-centre part.
    EXPECT_EQ(pdu.tpduOctets, TpduLength(pdu.hex));
}

INSTANTIATE_TEST_SUITE_P(
    Messages, DeliverPdus,
    ::testing::Values(PduCase{"447700900123", "Hello from the simulator"},
                      PduCase{"12345", "odd digits"}, PduCase{"447700900456", ""},
                      // Seven, eight and nine septets: the packing's group boundary.
                      PduCase{"1", "1234567"}, PduCase{"1", "12345678"}, PduCase{"1", "123456789"},
                      PduCase{"1", std::string(160, 'x')},
                      PduCase{"1",
                              "Gr\u00FC\u00DF"
                              "e @ \u00A3"}));

// ---- GPS ----

TEST(GpsSentences, CarryTheirChecksums) {
    // The XOR of everything between "$" and "*".
    EXPECT_EQ(Sentence("GPGSA,A,3"), "$GPGSA,A,3*30\r\n");
    EXPECT_EQ(Sentence(""), "$*00\r\n");
}

TEST(GpsSentences, TheTerminalTakesTheRmcOutOfASet) {
    const CivilTime utc{2026, 12, 6, 14, 8, 17};
    const std::string set = SentenceSet(TrackAt(0), utc);
    const auto rmc = TakeRmcSentence(set);
    ASSERT_TRUE(rmc.has_value());
    EXPECT_EQ(*rmc, "GPRMC,140817.00,A,5128.6740,N,00000.0900,W,2.9,45.0,061226,,,A*7E");
    GpsFixState fix;
    DecodeGPRMC(*rmc, fix);
    EXPECT_TRUE(fix.GPS_FixValid);
    EXPECT_NEAR(fix.GPS_Latitude, 51.4779, 1e-6);
    EXPECT_NEAR(fix.GPS_Longitude, -0.0015, 1e-6);
}

TEST(GpsSentences, MinutesNeverReachSixty) {
    Fix fix;
    fix.latitude = 51.99999999;
    fix.longitude = -0.99999999;
    const std::string rmc = RmcSentence(fix, CivilTime{});
    EXPECT_NE(rmc.find(",5200.0000,N,00100.0000,W,"), std::string::npos) << rmc;
}

}  // namespace
}  // namespace shortmsg::modemsim
