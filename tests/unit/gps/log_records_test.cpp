// The bytes one received position adds to each of the four log files.
#include "gps/log_records.h"

#include <gtest/gtest.h>

#include <string>

namespace shortmsg {
namespace {

struct RecordsCase {
    const char* name;
    std::string sentence;
    std::string number;
    std::string positionPath, positionRecord;
    std::string flagPath, sentenceRecord;
    std::string latestLine;
};

void PrintTo(const RecordsCase& c, std::ostream* os) {
    *os << c.name;
}

class Records : public ::testing::TestWithParam<RecordsCase> {};

TEST_P(Records, AreByteExact) {
    const auto& c = GetParam();
    GpsFixState fix;
    DecodeGPRMC(c.sentence, fix);
    const auto writes = PositionLogWrites(c.sentence, c.number, fix);
    EXPECT_EQ(writes[0].path, c.positionPath);
    EXPECT_EQ(writes[0].bytes, c.positionRecord);
    EXPECT_FALSE(writes[0].replace);
    EXPECT_EQ(writes[1].path, c.flagPath);
    EXPECT_EQ(writes[1].bytes, c.sentenceRecord);
    EXPECT_FALSE(writes[1].replace);
    EXPECT_EQ(writes[2].path, "GPSS/GPSS.LLD");
    EXPECT_EQ(writes[2].bytes, c.latestLine);
    EXPECT_TRUE(writes[2].replace);
    EXPECT_EQ(writes[3].path, "GPSS/GPSS.LLF");
    EXPECT_EQ(writes[3].bytes, c.sentenceRecord);
    EXPECT_FALSE(writes[3].replace);
}

const std::string kMunich = "GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A";

// North-eastern, south-western and multi-constellation records of real senders are
// byte-exact in the golden scenario gps/logs.
INSTANTIATE_TEST_SUITE_P(
    Logs, Records,
    ::testing::Values(
        RecordsCase{"WholeDegrees", "GPRMC,000000,A,4800.000,N,01100.000,E,,,,,", "1",
                    "GPS_info/GPS_info1.txt", "\"1_000000\",48,11\r\n", "GPS_info/GPS_Flag1.txt",
                    "\"$GPRMC,000000,A,4800.000,N,01100.000,E,,,,,\"\r\n",
                    "$GPRMC,000000,A,4800.000,N,01100.000,E,,,,,\r\n"},
        // A void sentence has no position of its own: none is written.
        RecordsCase{"VoidFix", "GPRMC,235959,V,4807.038,N,01131.000,E,,,,,", "123",
                    "GPS_info/GPS_info123.txt", "\"123_235959\",,\r\n", "GPS_info/GPS_Flag123.txt",
                    "\"$GPRMC,235959,V,4807.038,N,01131.000,E,,,,,\"\r\n",
                    "$GPRMC,235959,V,4807.038,N,01131.000,E,,,,,\r\n"},
        // Message text that merely mentions the talker, with quotes in it.
        RecordsCase{"QuotesDoubled", "say \"GPRMC\", \"hi\"", "5", "GPS_info/GPS_info5.txt",
                    "\"5_ \"\"hi\"\"\",,\r\n", "GPS_info/GPS_Flag5.txt",
                    "\"$say \"\"GPRMC\"\", \"\"hi\"\"\"\r\n", "$say \"GPRMC\", \"hi\"\r\n"},
        // The record keeps the sender as received; the file name cannot leave GPS_info.
        RecordsCase{"SenderWithPathCharacters", kMunich, "../x\"y", "GPS_info/GPS_info___x_y.txt",
                    "\"../x\"\"y_123519\",48.1173,11.5166666666667\r\n",
                    "GPS_info/GPS_Flag___x_y.txt", "\"$" + kMunich + "\"\r\n",
                    "$" + kMunich + "\r\n"}));

}  // namespace
}  // namespace shortmsg
