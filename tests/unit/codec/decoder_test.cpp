// Received PDUs: SMS-DELIVER, SMS-STATUS-REPORT, stored SMS-SUBMIT, and the refusals.
#include "pdu/decoder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "pdu/codec_errors.h"
#include "pdu/user_data_header.h"

namespace shortmsg {
namespace {

// The incoming message of the terminal's examples: service centre 447700900000, sender
// 44770090012, sent 08/01/21 14:00:00 at zone +04, text "hello". Whole PDUs, decoded field by
// field, are tabled in tests/tools/pdu_decode_cases.txt (shortmsg-pdu decode).
constexpr const char* kDeliver = "0791447700090000040B914477000910F200008010124100004005E8329BFD06";

// Every coding group: general (plain, with class, compressed, reserved alphabet), automatic
// deletion, the reserved groups, message waiting, data coding / message class.
TEST(DataCoding, ChoosesTheAlphabet) {
    using enum MessageCoding;
    const std::pair<unsigned, MessageCoding> cases[] = {
        {0x00, Gsm7},        {0x04, EightBit},    {0x08, Ucs2},        {0x0C, Unsupported},
        {0x11, Gsm7},        {0x1A, Ucs2},        {0x20, Unsupported}, {0x3F, Unsupported},
        {0x40, Gsm7},        {0x49, Ucs2},        {0x56, EightBit},    {0x68, Unsupported},
        {0x80, Unsupported}, {0xBF, Unsupported}, {0xC0, Gsm7},        {0xD8, Gsm7},
        {0xE0, Ucs2},        {0xEF, Ucs2},        {0xF0, Gsm7},        {0xF3, Gsm7},
        {0xF4, EightBit},    {0xFF, EightBit}};
    for (const auto& [dcs, coding] : cases) EXPECT_EQ(CodingOfDcs(dcs), coding) << std::hex << dcs;
}

// The information elements of a user-data header (after UDHL) and the concatenation read.
struct HeaderCase {
    const char* name;
    std::vector<std::uint8_t> elements;
    std::optional<Concatenation> concat;
};

class UserDataHeader : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(UserDataHeader, ReadsConcatenation) {
    const auto& c = GetParam();
    EXPECT_EQ(ReadConcatenation(c.elements.data(), c.elements.size()), c.concat);
}

INSTANTIATE_TEST_SUITE_P(
    Elements, UserDataHeader,
    ::testing::Values(
        HeaderCase{"EightBitReference", {0x00, 0x03, 0xF7, 0x03, 0x02}, Concatenation{247, 2, 3}},
        HeaderCase{"SixteenBitReference",
                   {0x08, 0x04, 0x12, 0x34, 0x02, 0x02},
                   Concatenation{0x1234, 2, 2, true}},
        HeaderCase{"AfterAnotherElement",
                   {0x0A, 0x02, 0x00, 0x01, 0x00, 0x03, 0x05, 0x02, 0x01},
                   Concatenation{5, 1, 2}},
        HeaderCase{"LastOfTwoCounts",
                   {0x00, 0x03, 0x05, 0x02, 0x01, 0x08, 0x04, 0x00, 0x06, 0x03, 0x03},
                   Concatenation{6, 3, 3, true}},
        HeaderCase{"PartOfOne", {0x00, 0x03, 0x01, 0x01, 0x01}, Concatenation{1, 1, 1}},
        HeaderCase{"NoElements", {}, std::nullopt},
        HeaderCase{"OtherElementOnly", {0x0A, 0x02, 0x00, 0x01}, std::nullopt},
        HeaderCase{"TotalZero", {0x00, 0x03, 0x05, 0x00, 0x00}, std::nullopt},
        HeaderCase{"PartZero", {0x00, 0x03, 0x05, 0x02, 0x00}, std::nullopt},
        HeaderCase{"PartBeyondTotal", {0x00, 0x03, 0x05, 0x02, 0x03}, std::nullopt},
        HeaderCase{"WrongElementLength", {0x00, 0x04, 0x05, 0x02, 0x01, 0x00}, std::nullopt},
        HeaderCase{"ElementRunsPastHeader", {0x00, 0x03, 0x05, 0x02}, std::nullopt},
        HeaderCase{"LaterElementRunsPastHeader",
                   {0x00, 0x03, 0x05, 0x02, 0x01, 0x0A, 0x09, 0x00},
                   std::nullopt},
        HeaderCase{"LengthOctetMissing", {0x00, 0x03, 0x05, 0x02, 0x01, 0x0A}, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(UserDataHeader, SeptetsIncludeTheFill) {
    // UDHL + 1 octets in septets, rounded up: 1 -> 2, 6 -> 7, 7 -> 8 (no fill), 8 -> 10.
    const std::pair<std::size_t, std::size_t> cases[] = {{0, 2}, {5, 7}, {6, 8}, {7, 10}};
    for (const auto& [udhl, septets] : cases) EXPECT_EQ(HeaderSeptets(udhl), septets) << udhl;
}

// 7-bit text after a header: the GSM code string leaves out the header's septets ("hello"
// after the six-octet header 050003070201 and one fill bit; the text and the concatenation
// are in the tool's decode cases).
TEST(Deliver, GsmTextLeavesOutTheHeader) {
    const auto decoded =
        DecodeReceivedPDU("00440B914477000910F20000801012410000400C050003070201D06536FB0D");
    ASSERT_TRUE(decoded) << decoded.error();
    EXPECT_EQ(decoded->gsmText, "hello");
}

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

// The text of every status code is tabled, through whole status reports, in
// tests/tools/pdu_decode_cases.txt. A field not of the form "&H" and two hex digits stays.
TEST(StatusTexts, KeepAFieldTheyCannotRead) {
    for (const char* field : {"&H4G", "", "&H1", "H01", "&H001"}) {
        EXPECT_EQ(StatusCodeToText(field), field);
    }
    EXPECT_EQ(StatusCodeToText("&H4a"), "No Status");
}

TEST(TimeStamps, Format) {
    const std::pair<const char*, const char*> cases[] = {
        {"08012114000004", "08/01/21/ 14:00:00 GMT: 04"},
        {"991231235959A8", "99/12/31/ 23:59:59 GMT: A8"},
        {"080121140000", "08/01/21/ 14:00:00 GMT: "},
        {"0801211400000499", "08/01/21/ 14:00:00 GMT: 04"}};
    for (const auto& [digits, text] : cases) EXPECT_EQ(FormatTimeStamp(digits), text);
}

}  // namespace
}  // namespace shortmsg
