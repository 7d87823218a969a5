// The SMS-SUBMIT PDU the terminal sends, and the lengths it announces with "AT+CMGS=".
#include "pdu/encoder.h"

#include <gtest/gtest.h>

#include <string>

#include "pdu/alphabet.h"
#include "pdu/codec_errors.h"
#include "pdu/decoder.h"
#include "pdu/dialled.h"

namespace shortmsg {
namespace {

SubmitSettings DefaultSca(bool registered = false) {
    return {true, registered, ""};
}
SubmitSettings WithSca(std::string sca, bool registered = false) {
    return {false, registered, std::move(sca)};
}

struct EncodeCase {
    const char* name;
    std::string text;     // operator text
    std::string dialled;  // as typed
    SubmitSettings settings;
    std::string pdu;
};

void PrintTo(const EncodeCase& c, std::ostream* os) {
    *os << c.name;
}

class Encoder : public ::testing::TestWithParam<EncodeCase> {};

TEST_P(Encoder, BuildsThePdu) {
    const auto& c = GetParam();
    const auto pdu =
        EncodeSubmitPDU(ConvertTextToGSM(c.text), ConvertDialedDigits(c.dialled), c.settings);
    ASSERT_TRUE(pdu) << pdu.error();
    EXPECT_EQ(*pdu, c.pdu);
}

INSTANTIATE_TEST_SUITE_P(
    Submit, Encoder,
    ::testing::Values(
        EncodeCase{"DefaultScaNoReport", "hello", "+447700900123", DefaultSca(),
                   "0011000C914477000910320000AA05E8329BFD06"},
        EncodeCase{"DefaultScaWithReport", "hello", "+447700900123", DefaultSca(true),
                   "0031000C914477000910320000AA05E8329BFD06"},
        EncodeCase{"OwnScaWithReport", "hello", "+447700900123", WithSca("447700900000", true),
                   "079144770009000031000C914477000910320000AA05E8329BFD06"},
        EncodeCase{"OwnScaNoReport", "hello", "447700900123", WithSca("447700900000"),
                   "079144770009000011000C914477000910320000AA05E8329BFD06"},
        EncodeCase{"OddScaGetsFill", "hello", "447700900123", WithSca("12345"),
                   "04912143F511000C914477000910320000AA05E8329BFD06"},
        EncodeCase{"OddDestination", "hello", "12345", DefaultSca(),
                   "00110005912143F50000AA05E8329BFD06"},
        EncodeCase{"StarAndHash", "hello", "*100#", DefaultSca(),
                   "00110005911A00FB0000AA05E8329BFD06"},
        EncodeCase{"EmptyText", "", "12345", DefaultSca(), "00110005912143F50000AA00"},
        EncodeCase{"EscapePairsCountTwice", "{}", "12345", DefaultSca(),
                   "00110005912143F50000AA041BD42605"},
        EncodeCase{"SixteenDigitDestination", "hello", "1234567890123456", DefaultSca(),
                   "00110010912143658709214365"
                   "0000AA05E8329BFD06"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EncoderLimits, AcceptsExactly160Septets) {
    const auto plain = EncodeSubmitPDU(std::string(160, 'a'), "12345", DefaultSca());
    ASSERT_TRUE(plain) << plain.error();
    EXPECT_EQ(plain->substr(22, 2), "A0");  // TP-UDL 160
    EXPECT_EQ(plain->size(), 24u + 2 * 140);
    // Eighty braces are 160 septets once escaped.
    EXPECT_TRUE(EncodeSubmitPDU(ConvertTextToGSM(std::string(80, '{')), "12345", DefaultSca()));
}

TEST(EncoderLimits, RefusesMoreThan160Septets) {
    for (const std::string& text : {std::string(161, 'a'), std::string(81, '{'),
                                    std::string(159, 'a') + "{", std::string(255, 'a')}) {
        const auto pdu = EncodeSubmitPDU(ConvertTextToGSM(text), "12345", DefaultSca());
        ASSERT_FALSE(pdu) << text.size();
        EXPECT_EQ(pdu.error(), codec_errors::kMessageTooLong);
    }
}

TEST(EncoderLimits, RefusesNumbersTheLengthOctetCannotHold) {
    const auto longDestination = EncodeSubmitPDU("hi", std::string(256, '1'), DefaultSca());
    ASSERT_FALSE(longDestination);
    EXPECT_EQ(longDestination.error(), codec_errors::kDestinationTooLong);
    EXPECT_TRUE(EncodeSubmitPDU("hi", std::string(255, '1'), DefaultSca()));

    const auto longSca = EncodeSubmitPDU("hi", "12345", WithSca(std::string(509, '1')));
    ASSERT_FALSE(longSca);
    EXPECT_EQ(longSca.error(), codec_errors::kServiceCenterTooLong);
    // The stored centre is used instead, so a long typed number does not matter.
    SubmitSettings ignored = WithSca(std::string(509, '1'));
    ignored.UseSCAinPhone = true;
    EXPECT_TRUE(EncodeSubmitPDU("hi", "12345", ignored));
}

TEST(EncoderInto, ReusesTheOutputString) {
    std::string out;
    std::string error;
    out.reserve(400);
    const char* before = out.data();
    const std::string gsm(160, 'x');
    ASSERT_TRUE(
        EncodeSubmitPDUInto(gsm, "447700900123", WithSca("447700900000", true), out, error));
    ASSERT_TRUE(EncodeSubmitPDUInto("hello", "447700900123", DefaultSca(), out, error));
    EXPECT_EQ(out, "0011000C914477000910320000AA05E8329BFD06");
    EXPECT_EQ(out.data(), before);
    EXPECT_TRUE(error.empty());
}

TEST(EncoderInto, ReportsTheRefusal) {
    std::string out;
    std::string error;
    EXPECT_FALSE(EncodeSubmitPDUInto(std::string(161, 'x'), "1", DefaultSca(), out, error));
    EXPECT_EQ(error, codec_errors::kMessageTooLong);
}

// Every length from empty to full comes back through the decoder as a stored SMS-SUBMIT.
TEST(EncoderRoundTrip, EveryLengthDecodesBack) {
    std::string gsm;
    for (int n = 0; n <= kMaxSeptets; ++n) {
        const auto pdu = EncodeSubmitPDU(gsm, "447700900123", WithSca("447700900000", n % 2));
        ASSERT_TRUE(pdu);
        const auto decoded = DecodeReceivedPDU(*pdu);
        ASSERT_TRUE(decoded) << decoded.error();
        EXPECT_EQ(decoded->type, PduType::Submit);
        EXPECT_EQ(decoded->gsmText, gsm) << n << " septets";
        gsm.push_back(static_cast<char>((n * 37 + 11) % 128));
    }
}

struct LengthCase {
    const char* pdu;
    int whole;
    int tpdu;
};

class PduLengths : public ::testing::TestWithParam<LengthCase> {};

TEST_P(PduLengths, Counts) {
    EXPECT_EQ(WholePduLength(GetParam().pdu), GetParam().whole);
    EXPECT_EQ(TpduLength(GetParam().pdu), GetParam().tpdu);
}

INSTANTIATE_TEST_SUITE_P(
    Submit, PduLengths,
    ::testing::Values(LengthCase{"0011000C914477000910320000AA05E8329BFD06", 20, 19},
                      LengthCase{"079144770009000031000C914477000910320000AA05E8329BFD06", 27, 19},
                      LengthCase{"0011000591", 5, 4}, LengthCase{"00110", 3, 2},
                      LengthCase{"", 0, 0}, LengthCase{"0", 1, 0}, LengthCase{"09", 1, 0}));

}  // namespace
}  // namespace shortmsg
