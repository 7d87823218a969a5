// The terminal's character table in both directions, and septet packing.
#include "pdu/alphabet.h"

#include <gtest/gtest.h>

#include <cctype>
#include <initializer_list>
#include <optional>
#include <string>

namespace shortmsg {
namespace {

// A string written as its character codes.
std::string Codes(std::initializer_list<int> codes) {
    std::string s;
    for (const int c : codes) s.push_back(static_cast<char>(c));
    return s;
}

// `text` (UTF-8) goes out as `gsm`, and `gsm` comes back as `back`; `carried` tells
// whether the table carries the text exactly. Rows without `text` only ever arrive.
struct AlphabetCase {
    const char* name;
    std::optional<std::string> text;
    std::string gsm;
    std::string back;
    bool carried = true;
};

class Alphabet : public ::testing::TestWithParam<AlphabetCase> {};

TEST_P(Alphabet, ConvertsBothWays) {
    const auto& c = GetParam();
    if (c.text) {
        EXPECT_EQ(ConvertTextToGSM(*c.text), c.gsm);
        EXPECT_EQ(CarriedByGsmTable(*c.text), c.carried);
        std::string gsm = "x";
        EXPECT_EQ(ConvertCarriedTextToGSMInto(*c.text, gsm), c.carried);
        if (c.carried) {
            EXPECT_EQ(gsm, "x" + c.gsm);
        }
    }
    EXPECT_EQ(ConvertGSMToText(c.gsm), c.back);
}

// Every row of the terminal's table, in GSM order, extension pairs last.
const std::string kTableText = "@£$¥èéúìòÇØøÅåΔ_ΦΓΛΩΠΨΣΘΞÆæßÊ¤¡ÄÖÑÜ§¿äöñüà\f^{}\\[~]|€";
const std::string kTableGsm =
    Codes({0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  11, 12, 14, 15, 16, 17, 18,  19,  20,  21,  22,
           23, 24, 25, 26, 28, 29, 30, 31, 36, 64, 91, 92, 93, 94, 95, 96, 123, 124, 125, 126, 127,
           27, 10, 27, 20, 27, 40, 27, 41, 27, 47, 27, 60, 27, 61, 27, 62, 27,  64,  27,  101});
// Plain ASCII at its own GSM code: 32-35, 37-63, 65-90, 97-122.
const std::string kSameCodes =
    " !\"#%&'()*+,-./0123456789:;<=>?ABCDEFGHIJKLMNOPQRSTUVWXYZ"
    "abcdefghijklmnopqrstuvwxyz\r\n";

INSTANTIATE_TEST_SUITE_P(
    Table, Alphabet,
    ::testing::Values(AlphabetCase{"Empty", "", "", ""},
                      AlphabetCase{"EveryTableRow", kTableText, kTableGsm, kTableText},
                      AlphabetCase{"AsciiAtItsOwnCode", kSameCodes, kSameCodes, kSameCodes},
                      AlphabetCase{"PoundDigitBraces", "£5{x}", Codes({1, 53, 27, 40, 120, 27, 41}),
                                   "£5{x}"},
                      // The table's differences from the standard: u acute at 6, E circumflex at
                      // 31; u grave and E acute have no row and pass as their own codes.
                      AlphabetCase{"UAcuteNotUGrave", "úù", Codes({6, 249}), "úù", false},
                      AlphabetCase{"ECircumflexNotEAcute", "ÊÉ", Codes({31, 201}), "ÊÉ", false},
                      AlphabetCase{"HighCodesWithoutRowPass", "\u0080\u00A0ÿ",
                                   Codes({128, 160, 255}), "\u0080\u00A0ÿ", false},
                      AlphabetCase{"GraveComesBackAsInvertedQuestion", "`", "`", "¿", false},
                      AlphabetCase{"TabComesBackAsCCedilla", "\t", "\t", "Ç", false},
                      AlphabetCase{"DeleteComesBackAsAGrave", "\x7F", "\x7F", "à", false},
                      AlphabetCase{"ZeroComesBackAsAt", Codes({0}), Codes({0}), "@", false},
                      AlphabetCase{"NoRowAboveLatin1IsQuestionMark", "жa😀", "?a?", "?a?", false},
                      AlphabetCase{"BadBytesAreQuestionMarks", "a\xFF\xC3", "a??", "a??", false},
                      AlphabetCase{"LongAsciiThenOneWide", "abcdefghijklmnopq€",
                                   "abcdefghijklmnopq\x1B\x65", "abcdefghijklmnopq€"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Received, Alphabet,
    ::testing::Values(AlphabetCase{"EscUnknownCodeStandsAlone", std::nullopt,
                                   Codes({27, 65, 27, 0}), Codes({'A', 0})},
                      AlphabetCase{"EscEscKeepsSecond", std::nullopt, Codes({27, 27}), Codes({27})},
                      AlphabetCase{"EscAtEndDropped", std::nullopt, Codes({'a', 'b', 27}), "ab"},
                      AlphabetCase{"LoneEscDropped", std::nullopt, Codes({27}), ""},
                      AlphabetCase{"CodesAbove127AsCharacters", std::nullopt, Codes({200, 27, 255}),
                                   "Èÿ"}),
    [](const auto& info) { return std::string(info.param.name); });

// Packing at every group boundary (7, 8, 9, 15, 16 septets); vectors from the terminal's
// examples and libgammu's encoder. `back` is what unpacking gives when it is not `gsm`.
struct PackCase {
    const char* name;
    std::string gsm;
    std::string hex;
    std::string back = {};
};

class Packing : public ::testing::TestWithParam<PackCase> {};

TEST_P(Packing, PacksAndUnpacksBack) {
    const auto& c = GetParam();
    EXPECT_EQ(PackSeptets(c.gsm), c.hex);
    EXPECT_EQ(UnpackSeptets(c.hex, static_cast<int>(c.gsm.size())),
              c.back.empty() ? c.gsm : c.back);
}

INSTANTIATE_TEST_SUITE_P(
    Septets, Packing,
    ::testing::Values(PackCase{"Empty", "", ""}, PackCase{"Hello", "hello", "E8329BFD06"},
                      PackCase{"PoundDigitBraces", Codes({1, 53, 27, 40, 120, 27, 41}),
                               "81DA0685DFA400"},
                      PackCase{"Seven", "1234567", "31D98C56B3DD00"},
                      PackCase{"Eight", "12345678", "31D98C56B3DD70"},
                      PackCase{"Nine", "123456789", "31D98C56B3DD7039"},
                      PackCase{"Ten", "hellohello", "E8329BFD4697D9EC37"},
                      PackCase{"Fifteen", "123456789012345", "31D98C56B3DD7039584C36A3D500"},
                      PackCase{"Sixteen", "1234567890123456", "31D98C56B3DD7039584C36A3D56C"},
                      // u grave (249) has no row: only its low seven bits go, the letter y.
                      PackCase{"LowSevenBitsOnly", Codes({249, 0xC1}), "F920", "yA"}),
    [](const auto& info) { return std::string(info.param.name); });

// Every septet value, and lengths around the unpacker's chunk of 160 septets.
TEST(Septets, LongTextsComeBack) {
    for (const int n : {128, 159, 160, 161, 168, 255}) {
        std::string gsm;
        for (int i = 0; i < n; ++i) gsm.push_back(static_cast<char>((i * 29 + n) % 128));
        std::string hex = PackSeptets(gsm);
        ASSERT_EQ(UnpackSeptets(hex, n), gsm) << n << " septets";
        for (char& c : hex) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        EXPECT_EQ(UnpackSeptets(hex, n), gsm) << n << " septets, lower-case hex";
    }
}

struct UnpackCase {
    const char* name;
    std::string hex;
    int septets;
    std::string gsm;
};

class Unpacking : public ::testing::TestWithParam<UnpackCase> {};

TEST_P(Unpacking, Unpacks) {
    const auto& c = GetParam();
    EXPECT_EQ(UnpackSeptets(c.hex, c.septets), c.gsm);
}

INSTANTIATE_TEST_SUITE_P(
    Septets, Unpacking,
    ::testing::Values(UnpackCase{"FullGroupAsSeven", "31D98C56B3DD70", 7, "1234567"},
                      UnpackCase{"FullGroupAsEight", "31D98C56B3DD70", 8, "12345678"},
                      UnpackCase{"NegativeCount", "E8329BFD06", -3, ""},
                      UnpackCase{"CountBelowText", "E8329BFD4697D9EC37", 4, "hell"},
                      UnpackCase{"OddDigitInFullGroup", "31D98C56B3DD7", 8, "12345678"},
                      UnpackCase{"NonHexCountsAsZero", "ZZ", 1, Codes({0})}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace shortmsg
