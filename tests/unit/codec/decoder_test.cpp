// Received PDUs: SMS-DELIVER, SMS-STATUS-REPORT, stored SMS-SUBMIT, and the refusals.
#include "pdu/decoder.h"

#include <gtest/gtest.h>

#include <string>

#include "pdu/codec_errors.h"

namespace shortmsg {
namespace {

// The incoming message of the terminal's examples: service centre 447700900000, sender
// 44770090012, sent 08/01/21 14:00:00 at zone +04, text "hello".
constexpr const char* kDeliver = "0791447700090000040B914477000910F200008010124100004005E8329BFD06";

struct DeliverCase {
    const char* name;
    std::string pdu;
    std::string sender;
    std::string timeStamp;
    std::string gsm;
};

void PrintTo(const DeliverCase& c, std::ostream* os) {
    *os << c.name;
}

class Deliver : public ::testing::TestWithParam<DeliverCase> {};

TEST_P(Deliver, Decodes) {
    const auto& c = GetParam();
    const auto decoded = DecodeReceivedPDU(c.pdu);
    ASSERT_TRUE(decoded) << decoded.error();
    EXPECT_EQ(decoded->type, PduType::Deliver);
    EXPECT_EQ(decoded->PDU_SenderAddress, c.sender);
    EXPECT_EQ(decoded->PDU_TimeStamp, c.timeStamp);
    EXPECT_EQ(decoded->gsmText, c.gsm);
}

const std::string kHeader12 = "000C91447700091032000080101241000040";  // no SCA, 12 digits

INSTANTIATE_TEST_SUITE_P(
    Received, Deliver,
    ::testing::Values(
        DeliverCase{"WithServiceCentre", kDeliver, "44770090012", "08012114000004", "hello"},
        DeliverCase{"LowerCase", "0791447700090000040b914477000910f200008010124100004005e8329bfd06",
                    "44770090012", "08012114000004", "hello"},
        DeliverCase{"BlanksAndLineEndsAround", std::string(" \t") + kDeliver + "\r\n",
                    "44770090012", "08012114000004", "hello"},
        DeliverCase{"NoServiceCentre", "00" + kHeader12 + "05E8329BFD06", "447700900123",
                    "08012114000004", "hello"},
        DeliverCase{"EmptyUserData", "00" + kHeader12 + "00", "447700900123", "08012114000004", ""},
        DeliverCase{"SevenSeptets", "00" + kHeader12 + "0731D98C56B3DD00", "447700900123",
                    "08012114000004", "1234567"},
        DeliverCase{"EightSeptets", "00" + kHeader12 + "0831D98C56B3DD70", "447700900123",
                    "08012114000004", "12345678"},
        DeliverCase{"UserDataShorterThanItsLength", "00" + kHeader12 + "05E8329B", "447700900123",
                    "08012114000004", "hel"},
        DeliverCase{"UserDataLengthOnly", "00" + kHeader12 + "A0", "447700900123", "08012114000004",
                    ""},
        DeliverCase{"OddDigitAtEnd", "00" + kHeader12 + "05E8329BFD0", "447700900123",
                    "08012114000004", std::string("hell\x0F")},
        DeliverCase{"EveryLowerCaseHexDigitInSender",
                    "00001091"
                    "1032547698badcfe"
                    "00008010124100004005e8329bfd06",
                    "0123456789ABCDEF", "08012114000004", "hello"},
        DeliverCase{"TrailingDataIgnored", "00" + kHeader12 + "05E8329BFD06FFFF", "447700900123",
                    "08012114000004", "hello"}),
    [](const auto& info) { return std::string(info.param.name); });

struct StatusCase {
    const char* name;
    std::string pdu;
    int reference;
    std::string recipient;
    std::string status;
    std::string line;
};

void PrintTo(const StatusCase& c, std::ostream* os) {
    *os << c.name;
}

class StatusReport : public ::testing::TestWithParam<StatusCase> {};

TEST_P(StatusReport, Decodes) {
    const auto& c = GetParam();
    const auto decoded = DecodeReceivedPDU(c.pdu);
    ASSERT_TRUE(decoded) << decoded.error();
    EXPECT_EQ(decoded->type, PduType::StatusReport);
    EXPECT_EQ(decoded->messageReference, c.reference);
    EXPECT_EQ(decoded->recipient, c.recipient);
    EXPECT_EQ(decoded->status, c.status);
    EXPECT_EQ(decoded->statusLine, c.line);
    EXPECT_TRUE(decoded->gsmText.empty());
    EXPECT_TRUE(decoded->PDU_SenderAddress.empty());
}

const std::string kTimes = "8010124100004080101241100040";  // sent 14:00:00, done 14:01:00
const std::string kTimesText = "08/01/21/ 14:00:00 GMT: 04,08/01/21/ 14:01:00 GMT: 04";

// The terminal's own examples (12- and 11-digit recipients, status 26) are byte-exact in the
// golden scenario messages/status_report.
INSTANTIATE_TEST_SUITE_P(
    Received, StatusReport,
    ::testing::Values(
        StatusCase{"WithServiceCentre", "079144770009000006FF0C91447700091032" + kTimes + "00", 255,
                   "447700900123", "Recieved", "Recieved,255,447700900123," + kTimesText},
        StatusCase{"NegativeZones",
                   "000601"
                   "0C91447700091032"
                   "801012410000A9"
                   "80101241100049"
                   "60",
                   1, "447700900123", "No Status",
                   "No Status,1,447700900123,08/01/21/ 14:00:00 GMT: 9A,"
                   "08/01/21/ 14:01:00 GMT: 94"},
        StatusCase{"ExtraParametersIgnored", "00262A0C91447700091032" + kTimes + "000300", 42,
                   "447700900123", "Recieved", "Recieved,42,447700900123," + kTimesText}),
    [](const auto& info) { return std::string(info.param.name); });

// Stored outgoing messages, with each validity-period format of the first octet.
struct SubmitCase {
    const char* name;
    std::string pdu;
    std::string gsm;
};

void PrintTo(const SubmitCase& c, std::ostream* os) {
    *os << c.name;
}

class StoredSubmit : public ::testing::TestWithParam<SubmitCase> {};

TEST_P(StoredSubmit, FindsTheUserData) {
    const auto decoded = DecodeReceivedPDU(GetParam().pdu);
    ASSERT_TRUE(decoded) << decoded.error();
    EXPECT_EQ(decoded->type, PduType::Submit);
    EXPECT_EQ(decoded->gsmText, GetParam().gsm);
    EXPECT_TRUE(decoded->PDU_SenderAddress.empty());
    EXPECT_TRUE(decoded->PDU_TimeStamp.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Received, StoredSubmit,
    ::testing::Values(
        SubmitCase{"RelativeAsSent", "0011000C914477000910320000AA05E8329BFD06", "hello"},
        SubmitCase{"RelativeWithServiceCentre",
                   "079144770009000031000C914477000910320000AA05E8329BFD06", "hello"},
        SubmitCase{"NoValidityPeriod", "0001000C9144770009103200000531D98C5603", "12345"},
        SubmitCase{"AbsoluteValidityPeriod",
                   "0019000C91447700091032000080101241000040"
                   "05E8329BFD06",
                   "hello"},
        SubmitCase{"EnhancedValidityPeriod",
                   "0009000C91447700091032000001000000000000"
                   "05E8329BFD06",
                   "hello"},
        SubmitCase{"OddDestination",
                   "0011000591"
                   "2143F5"
                   "0000AA"
                   "05E8329BFD06",
                   "hello"},
        SubmitCase{"ShortUserData",
                   "0011000591"
                   "2143F5"
                   "0000AA"
                   "05E832",
                   "he"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(UnknownType, ChangesNothingAndIsNotRefused) {
    const auto decoded = DecodeReceivedPDU("0003");
    ASSERT_TRUE(decoded) << decoded.error();
    EXPECT_EQ(decoded->type, PduType::Unknown);
    EXPECT_TRUE(decoded->gsmText.empty());
}

struct RefusalCase {
    const char* name;
    std::string pdu;
    std::string_view reason;
};

void PrintTo(const RefusalCase& c, std::ostream* os) {
    *os << c.name;
}

class Refusal : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(Refusal, GivesTheReason) {
    const auto decoded = DecodeReceivedPDU(GetParam().pdu);
    ASSERT_FALSE(decoded);
    EXPECT_EQ(decoded.error(), GetParam().reason);
}

INSTANTIATE_TEST_SUITE_P(
    Received, Refusal,
    ::testing::Values(
        RefusalCase{"Empty", "", codec_errors::kPduTooShort},
        RefusalCase{"EndsBeforeFirstOctet", "0791447700090000", codec_errors::kPduTooShort},
        RefusalCase{"DeliverEndsBeforeLength",
                    "0791447700090000040B914477000910F2000080101241000040",
                    codec_errors::kPduTooShort},
        RefusalCase{"DeliverLengthHalfThere",
                    "0791447700090000040B914477000910F20000801012410000400",
                    codec_errors::kPduTooShort},
        RefusalCase{"HugeAddressLength", "0004FF91447700", codec_errors::kPduTooShort},
        RefusalCase{"SubmitEndsBeforeLength", "0011000C914477000910320000AA",
                    codec_errors::kPduTooShort},
        RefusalCase{"SubmitAbsoluteNeedsSevenOctets", "0019000C9144770009103200008010124100",
                    codec_errors::kPduTooShort},
        RefusalCase{"StatusReportEndsBeforeStatus",
                    "00062A0C914477000910328010124100004080101241100040",
                    codec_errors::kStatusReportTooShort},
        RefusalCase{"StatusReportHalfStatus", "00062A0C9144770009103280101241000040801012411000400",
                    codec_errors::kStatusReportTooShort},
        RefusalCase{"StatusReportNoAddressLength", "000600", codec_errors::kStatusReportTooShort},
        RefusalCase{"BlankInside", "00110005 912143F50000AA00", codec_errors::kPduNotHex},
        RefusalCase{"NonHexAfterFields",
                    "00" +
                        std::string("000C91447700091032000080101241"
                                    "00004005E8329BFD06") +
                        "OK",
                    codec_errors::kPduNotHex}),
    [](const auto& info) { return std::string(info.param.name); });

// A character just outside each range of hex digits, at every position of the PDU.
TEST(Refusal, NonHexAnywhereIsRefused) {
    const std::string pdu = kDeliver;
    for (const char bad : {'/', ':', '@', 'G', '`', 'g', '\0', '\x80', '\xC1', '\xE6'}) {
        for (std::size_t at = 0; at < pdu.size(); ++at) {
            std::string broken = pdu;
            broken[at] = bad;
            const auto decoded = DecodeReceivedPDU(broken);
            ASSERT_FALSE(decoded) << "code " << static_cast<int>(bad) << " at " << at;
            EXPECT_EQ(decoded.error(), codec_errors::kPduNotHex);
        }
    }
}

TEST(Refusal, NonHexFarBehindTheFieldsIsRefused) {
    const std::string padded = std::string(kDeliver) + std::string(2000, 'F');
    EXPECT_TRUE(DecodeReceivedPDU(padded));
    EXPECT_FALSE(DecodeReceivedPDU(padded + "x"));
}

struct StatusTextCase {
    const char* field;
    const char* text;
};

class StatusTexts : public ::testing::TestWithParam<StatusTextCase> {};

TEST_P(StatusTexts, Replaces) {
    EXPECT_EQ(StatusCodeToText(GetParam().field), GetParam().text);
}

// The first and last code of every range.
INSTANTIATE_TEST_SUITE_P(
    Received, StatusTexts,
    ::testing::Values(
        StatusTextCase{"&H00", "Recieved"}, StatusTextCase{"&H01", "Forwarded"},
        StatusTextCase{"&H02", "Replaced"}, StatusTextCase{"&H03", "Reserved"},
        StatusTextCase{"&H10", "Reserved"}, StatusTextCase{"&H1F", "Reserved"},
        StatusTextCase{"&H20", "Congestion"}, StatusTextCase{"&H21", "SME Busy"},
        StatusTextCase{"&H22", "No Response SME"}, StatusTextCase{"&H23", "Service Rejected"},
        StatusTextCase{"&H24", "Quality of Service not available"},
        StatusTextCase{"&H25", "Error in SME"}, StatusTextCase{"&H26", "&H26"},
        StatusTextCase{"&H3F", "&H3F"}, StatusTextCase{"&H40", "Remote procedure error"},
        StatusTextCase{"&H41", "Incompatible destination"},
        StatusTextCase{"&H42", "Quality of Service not available"},
        StatusTextCase{"&H43", "No interworking"},
        StatusTextCase{"&H44", "Quality of Service not available"},
        StatusTextCase{"&H45", "No interworking"},
        StatusTextCase{"&H46", "Validity Period Expired"},
        StatusTextCase{"&H47", "SM deleted by originator"},
        StatusTextCase{"&H48", "SM deleted by Admin."},
        StatusTextCase{"&H49", "SM not in data base"}, StatusTextCase{"&H4A", "No Status"},
        StatusTextCase{"&H60", "No Status"}, StatusTextCase{"&HFF", "No Status"},
        // Anything not of the form "&H" and two hex digits stays as it is.
        StatusTextCase{"&H4G", "&H4G"}, StatusTextCase{"", ""}));

struct TimeStampCase {
    const char* digits;
    const char* text;
};

class TimeStamps : public ::testing::TestWithParam<TimeStampCase> {};

TEST_P(TimeStamps, Formats) {
    EXPECT_EQ(FormatTimeStamp(GetParam().digits), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Received, TimeStamps,
    ::testing::Values(TimeStampCase{"08012114000004", "08/01/21/ 14:00:00 GMT: 04"},
                      TimeStampCase{"991231235959A8", "99/12/31/ 23:59:59 GMT: A8"},
                      TimeStampCase{"080121140000", "08/01/21/ 14:00:00 GMT: "},
                      TimeStampCase{"0801211400000499", "08/01/21/ 14:00:00 GMT: 04"}));

}  // namespace
}  // namespace shortmsg
