// The SMS-SUBMIT PDU the terminal sends, and the lengths it announces with "AT+CMGS=".
#include "pdu/encoder.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "pdu/alphabet.h"
#include "pdu/codec_errors.h"
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

// The terminal's own examples (hello to +447700900123 with and without the service centre
// and status report, hi to 12345) are byte-exact in the golden scenarios
// messages/sms_send_phone_sca, sms_send_own_sca_registered and sms_send_checks.
INSTANTIATE_TEST_SUITE_P(
    Submit, Encoder,
    ::testing::Values(
        EncodeCase{"DefaultScaWithReport", "hello", "+447700900123", DefaultSca(true),
                   "0031000C914477000910320000AA05E8329BFD06"},
        EncodeCase{"OwnScaNoReport", "hello", "447700900123", WithSca("447700900000"),
                   "079144770009000011000C914477000910320000AA05E8329BFD06"},
        EncodeCase{"OddScaGetsFill", "hello", "447700900123", WithSca("12345"),
                   "04912143F511000C914477000910320000AA05E8329BFD06"},
        EncodeCase{"EmptyText", "", "12345", DefaultSca(), "00110005912143F50000AA00"},
        EncodeCase{"EscapePairsCountTwice", "{}", "12345", DefaultSca(),
                   "00110005912143F50000AA041BD42605"},
        EncodeCase{"SixteenDigitDestination", "hello", "1234567890123456", DefaultSca(),
                   "00110010912143658709214365"
                   "0000AA05E8329BFD06"}),
    [](const auto& info) { return std::string(info.param.name); });

// At most 160 septets, an escape pair counting two (82 braces: golden sms_send_too_long).
TEST(EncoderLimits, AtMost160Septets) {
    const std::pair<std::string, bool> cases[] = {
        {std::string(160, 'a'), true},        {std::string(80, '{'), true},
        {std::string(161, 'a'), false},       {std::string(81, '{'), false},
        {std::string(159, 'a') + "{", false},
    };
    for (const auto& [text, accepted] : cases) {
        const auto pdu = EncodeSubmitPDU(ConvertTextToGSM(text), "12345", DefaultSca());
        ASSERT_EQ(static_cast<bool>(pdu), accepted) << text.size() << " characters";
        if (!pdu) {
            EXPECT_EQ(pdu.error(), codec_errors::kMessageTooLong);
        }
    }
    const auto full = EncodeSubmitPDU(std::string(160, 'a'), "12345", DefaultSca());
    EXPECT_EQ(full->substr(22, 2), "A0");  // TP-UDL 160
    EXPECT_EQ(full->size(), 24u + 2 * 140);
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

TEST(EncoderLimits, RefusesAddressesThatAreNotDigits) {
    struct Case {
        std::string destination, sca;
        std::string_view error;  // empty: accepted
    };
    const Case cases[] = {
        {"447700900123", "447700900000", {}},
        {"A100B", "447700900000", {}},  // "*100#" as ConvertDialedDigits gives it
        {"44 7700 900123", "447700900000", codec_errors::kDestinationNotDigits},
        {"0800-123", "447700900000", codec_errors::kDestinationNotDigits},
        {"4477C0", "447700900000", codec_errors::kDestinationNotDigits},
        {"a100b", "447700900000", codec_errors::kDestinationNotDigits},
        {"447700900123", "+447700900000", codec_errors::kServiceCenterNotDigits},
        {"447700900123", "4477A0", codec_errors::kServiceCenterNotDigits},
    };
    for (const auto& c : cases) {
        const auto pdu = EncodeSubmitPDU("hi", c.destination, WithSca(c.sca));
        EXPECT_EQ(pdu ? std::string_view{} : std::string_view(pdu.error()), c.error)
            << c.destination << " / " << c.sca;
    }
    // A typed centre that is not sent (the phone's own is used) is not checked.
    SubmitSettings phoneCentre = WithSca("+447700900000");
    phoneCentre.UseSCAinPhone = true;
    EXPECT_TRUE(EncodeSubmitPDU("hi", "447700900123", phoneCentre));
}

// The length after "AT+CMGS=": the whole PDU, or the TPDU alone for modems that count as
// 3GPP TS 27.005 says.
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
