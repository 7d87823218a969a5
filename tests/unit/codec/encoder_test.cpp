// The SMS-SUBMIT PDU the terminal sends, and the lengths it announces with "AT+CMGS=".
#include "pdu/encoder.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

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
std::string Repeat(std::string_view text, int times) {
    std::string repeated;
    while (times-- > 0) repeated += text;
    return repeated;
}

// Whole PDUs, field by field, and the 160-septet limit are tabled in
// tests/tools/pdu_encode_cases.txt (shortmsg-pdu encode); the terminal's own examples are
// byte-exact in the golden scenarios messages/sms_send_phone_sca, sms_send_own_sca_registered and
// sms_send_checks.

// Numbers with anything but digits (and A, B in a destination), or too long for their
// length octet, are refused; by both encoders.
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
        {std::string(255, '1'), "447700900000", {}},
        {std::string(256, '1'), "447700900000", codec_errors::kDestinationTooLong},
        {"12345", std::string(508, '1'), {}},
        {"12345", std::string(509, '1'), codec_errors::kServiceCenterTooLong},
    };
    for (const auto& c : cases) {
        const auto pdu = EncodeSubmitPDU("hi", c.destination, WithSca(c.sca));
        EXPECT_EQ(pdu ? std::string_view{} : std::string_view(pdu.error()), c.error)
            << c.destination << " / " << c.sca;
        const auto ucs2 = EncodeTextMessage("жж", c.destination, WithSca(c.sca), 1);
        EXPECT_EQ(ucs2 ? std::string_view{} : std::string_view(ucs2.error()), c.error);
    }
    // A typed centre that is not sent (the phone's own is used) is not checked.
    for (SubmitSettings phoneCentre : {WithSca("+447700900000"), WithSca(std::string(509, '1'))}) {
        phoneCentre.UseSCAinPhone = true;
        EXPECT_TRUE(EncodeSubmitPDU("hi", "447700900123", phoneCentre));
    }
}

// A text the table carries goes exactly as EncodeSubmitPDU builds it, refusals included.
TEST(TextMessage, GsmTextAsEncodeSubmitPDU) {
    const std::string texts[] = {"", "hello",
                                 "@£$¥èéúìòÇØøÅåΔ_ΦΓΛΩΠΨΣΘΞÆæßÊ¤¡ÄÖÑÜ§¿äöñüà\f^{}\\[~]|€\r\n",
                                 std::string(160, 'a'), std::string(161, 'a')};
    for (const auto& text : texts) {
        for (const auto& settings : {DefaultSca(), WithSca("4477123", true)}) {
            const auto gsm = EncodeSubmitPDU(ConvertTextToGSM(text), "12345", settings);
            const auto pdus = EncodeTextMessage(text, "12345", settings, 9);
            ASSERT_EQ(pdus.ok(), gsm.ok()) << text;
            EXPECT_EQ(pdus ? pdus->front() : pdus.error(), gsm ? *gsm : gsm.error());
            EXPECT_EQ(pdus ? pdus->size() : 1u, 1u);
        }
    }
}

// UCS2: how many UTF-16 units go in each part (TP-UDL counts the header's six octets too).
TEST(TextMessage, Ucs2PartsAtTheirBoundaries) {
    const std::string emoji = "😀";  // two units, never split
    const std::pair<std::string, std::vector<int>> cases[] = {
        {"ù", {1}},
        {std::string(69, 'a') + "ж", {70}},
        {std::string(70, 'a') + "ж", {67, 4}},
        {std::string(66, 'a') + emoji + "жжж", {66, 5}},
        {std::string(65, 'a') + emoji + "жжжж", {67, 4}},
        {std::string(68, 'a') + emoji, {70}},
        {Repeat("中", 70), {70}},  // 210 bytes
        {Repeat("中", 71), {67, 4}},
        {std::string(133, 'a') + "ж", {67, 67}},
        {std::string(134, 'a') + "ж", {67, 67, 1}},
    };
    for (const auto& [text, units] : cases) {
        const auto pdus = EncodeTextMessage(text, "12345", DefaultSca(), 0xAB);
        ASSERT_TRUE(pdus) << pdus.error();
        ASSERT_EQ(pdus->size(), units.size()) << text;
        for (std::size_t i = 0; i < units.size(); ++i) {
            const std::string& pdu = (*pdus)[i];
            const bool parts = units.size() > 1;
            const int udl = std::stoi(pdu.substr(22, 2), nullptr, 16);
            EXPECT_EQ(pdu.substr(0, 22),
                      parts ? "00510005912143F50008AA" : "00110005912143F50008AA");
            EXPECT_EQ(udl, 2 * units[i] + (parts ? 6 : 0)) << text << " part " << i + 1;
            EXPECT_EQ(static_cast<int>(pdu.size()), 24 + 2 * udl);
            if (parts) {
                EXPECT_EQ(pdu.substr(24, 12),
                          "050003AB0" + std::to_string(units.size()) + "0" + std::to_string(i + 1));
            }
        }
    }
}

TEST(TextMessage, AtMost255Parts) {
    const std::string text = "ж" + std::string(255 * 67 - 1, 'x');
    const auto most = EncodeTextMessage(text, "12345", DefaultSca(), 1);
    ASSERT_TRUE(most);
    EXPECT_EQ(most->size(), 255u);
    EXPECT_EQ(most->back().substr(24, 12), "05000301FFFF");
    const auto refused = EncodeTextMessage(text + "x", "12345", DefaultSca(), 1);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error(), codec_errors::kMessageTooManyParts);
}

// The length after "AT+CMGS=": the whole PDU, or the TPDU alone for modems that count as
// 3GPP TS 27.005 says.
TEST(PduLengths, Count) {
    const std::tuple<const char*, int, int> cases[] = {
        {"0011000C914477000910320000AA05E8329BFD06", 20, 19},
        {"079144770009000031000C914477000910320000AA05E8329BFD06", 27, 19},
        {"0011000591", 5, 4},
        {"00110", 3, 2},
        {"", 0, 0},
        {"0", 1, 0},
        {"09", 1, 0}};
    for (const auto& [pdu, whole, tpdu] : cases) {
        EXPECT_EQ(WholePduLength(pdu), whole) << pdu;
        EXPECT_EQ(TpduLength(pdu), tpdu) << pdu;
    }
}

}  // namespace
}  // namespace shortmsg
