// PDUs where shortmsg-pdu cannot show them: characters that are not hex anywhere in a PDU,
// time stamps of other lengths, a centre typed but not sent, the most parts, and the store
// indexes of a whole message. Whole PDUs both ways, refusals and messages in parts joined
// are cases of tests/tools/pdu_encode_cases.txt and pdu_decode_cases.txt.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pdu/codec_errors.h"
#include "pdu/concatenation.h"
#include "pdu/decoder.h"
#include "pdu/encoder.h"

namespace shortmsg {
namespace {

// A character just outside each range of hex digits, at every position of the PDU, and
// one far behind the fields the decoder reads.
TEST(Decoder, RefusesNonHexAnywhere) {
    const std::string pdu = "0791447700090000040B914477000910F200008010124100004005E8329BFD06";
    for (const char bad : {'/', ':', '@', 'G', '`', 'g', '\0', '\x80', '\xC1', '\xE6'}) {
        for (std::size_t at = 0; at < pdu.size(); ++at) {
            std::string broken = pdu;
            broken[at] = bad;
            const auto decoded = DecodeReceivedPDU(broken);
            ASSERT_FALSE(decoded) << "code " << static_cast<int>(bad) << " at " << at;
            EXPECT_EQ(decoded.error(), codec_errors::kPduNotHex);
        }
    }
    const std::string padded = pdu + std::string(2000, 'F');
    EXPECT_TRUE(DecodeReceivedPDU(padded));
    EXPECT_FALSE(DecodeReceivedPDU(padded + "x"));
}

TEST(Decoder, TimeStampTextLeavesOutMissingDigits) {
    EXPECT_EQ(FormatTimeStamp("080121140000"), "08/01/21/ 14:00:00 GMT: ");
    EXPECT_EQ(FormatTimeStamp("0801211400000499"), "08/01/21/ 14:00:00 GMT: 04");
}

// With "Default SCA" checked the typed centre is not sent, so it is not checked either.
TEST(Encoder, ChecksOnlyTheCentreItSends) {
    for (const std::string& typed : {std::string("+447700900000"), std::string(509, '1')}) {
        const SubmitSettings phoneCentre{true, false, typed};
        EXPECT_TRUE(EncodeTextMessage("hi", "447700900123", phoneCentre, 1)) << typed;
        EXPECT_TRUE(EncodeTextMessage("жж", "447700900123", phoneCentre, 1)) << typed;
    }
}

TEST(Encoder, AtMost255Parts) {
    const std::string text = "ж" + std::string(255 * 67 - 1, 'x');
    const auto most = EncodeTextMessage(text, "12345", {}, 1);
    ASSERT_TRUE(most);
    EXPECT_EQ(most->size(), 255u);
    EXPECT_EQ(most->back().substr(24, 12), "05000301FFFF");
    const auto refused = EncodeTextMessage(text + "x", "12345", {}, 1);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error(), codec_errors::kMessageTooManyParts);
}

// The terminal deletes every part of a whole message: their store indexes come in the order
// of the parts. A part outside its set, or whose place is taken, is ignored.
TEST(Assembler, GivesTheStoreIndexesInPartOrder) {
    MessageAssembler assembler;
    const auto add = [&](int part, int total, const char* text, int index) {
        return assembler.Add("A", Concatenation{7, part, total}, text, index);
    };
    EXPECT_FALSE(add(0, 2, "x", 1));
    EXPECT_FALSE(add(3, 2, "x", 1));
    EXPECT_FALSE(add(1, 0, "x", 1));
    EXPECT_EQ(assembler.IncompleteSets(), 0u);
    EXPECT_FALSE(add(3, 3, "c", 9));
    EXPECT_FALSE(add(2, 3, "b", 5));
    EXPECT_FALSE(add(2, 3, "B", 6));
    const auto whole = add(1, 3, "a", 2);
    ASSERT_TRUE(whole);
    EXPECT_EQ(whole->text, "abc");
    EXPECT_EQ(whole->storeIndexes, (std::vector<int>{2, 5, 9}));
    EXPECT_EQ(assembler.IncompleteSets(), 0u);
}

}  // namespace
}  // namespace shortmsg
