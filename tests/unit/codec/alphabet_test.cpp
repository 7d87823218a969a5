// The terminal's character table in both directions, and septet packing.
#include "pdu/alphabet.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "codec_test_util.h"

namespace shortmsg {
namespace {

using test::Codes;

struct ConversionCase {
    const char* name;
    std::string in;
    std::string out;
};

void PrintTo(const ConversionCase& c, std::ostream* os) {
    *os << c.name;
}

class TextToGsm : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(TextToGsm, Converts) {
    EXPECT_EQ(ConvertTextToGSM(GetParam().in), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(
    Alphabet, TextToGsm,
    ::testing::Values(
        ConversionCase{"Empty", "", ""}, ConversionCase{"PlainLetters", "Hello 123", "Hello 123"},
        ConversionCase{"PoundDigitBraces", Codes({163, '5', '{', 'x', '}'}),
                       Codes({1, 53, 27, 40, 120, 27, 41})},
        ConversionCase{"AtAndDollar", "@$", Codes({0, 2})},
        ConversionCase{"LineEndsUnchanged", "a\r\nb", "a\r\nb"},
        ConversionCase{"UAcuteAtSix", Codes({250}), Codes({6})},
        ConversionCase{"UGraveHasNoRow", Codes({249}), Codes({249})},
        ConversionCase{"ECircumflexAt31", Codes({202}), Codes({31})},
        ConversionCase{"EAcuteCapitalHasNoRow", Codes({201}), Codes({201})},
        ConversionCase{"GraveAccentUnmapped", "`", "`"}, ConversionCase{"TabUnmapped", "\t", "\t"},
        ConversionCase{"CurrencySignAsEscPair", Codes({164}), Codes({27, 101})},
        ConversionCase{"FormFeedAsEscPair", "\f", Codes({27, 10})},
        ConversionCase{"EveryExtensionPair", "^{}\\[~]|",
                       Codes({27, 20, 27, 40, 27, 41, 27, 47, 27, 60, 27, 61, 27, 62, 27, 64})},
        ConversionCase{"InvertedMarks", Codes({161, 191}), Codes({64, 96})},
        ConversionCase{"NordicAndGerman", Codes({197, 229, 216, 248, 198, 230, 223, 196, 214, 220}),
                       Codes({14, 15, 11, 12, 28, 29, 30, 91, 92, 94})},
        ConversionCase{"LatinSmall", Codes({232, 233, 236, 242, 228, 246, 241, 252, 224}),
                       Codes({4, 5, 7, 8, 123, 124, 125, 126, 127})},
        ConversionCase{"Others", Codes({165, 199, 209, 167, 95}), Codes({3, 9, 93, 95, 17})}),
    [](const auto& info) { return std::string(info.param.name); });

class GsmToText : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(GsmToText, Converts) {
    EXPECT_EQ(ConvertGSMToText(GetParam().in), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(
    Alphabet, GsmToText,
    ::testing::Values(ConversionCase{"Empty", "", ""},
                      ConversionCase{"PoundDigitBraces", Codes({1, 53, 27, 40, 120, 27, 41}),
                                     Codes({163, '5', '{', 'x', '}'})},
                      ConversionCase{"UAcuteFromSix", Codes({6}), Codes({250})},
                      ConversionCase{"ECircumflexFrom31", Codes({31}), Codes({202})},
                      ConversionCase{"SixtyFourIsInvertedExclamation", Codes({64}), Codes({161})},
                      ConversionCase{"GraveComesBackAsInvertedQuestion", "`", Codes({191})},
                      ConversionCase{"TabComesBackAsCCedilla", "\t", Codes({199})},
                      ConversionCase{"ZeroComesBackAsAt", Codes({0}), "@"},
                      ConversionCase{"TwoIsDollar", Codes({2}), "$"},
                      ConversionCase{"ReceiveOnlyCurrencySign", Codes({36}), Codes({164})},
                      ConversionCase{"EscEuroIsCurrencySign", Codes({27, 101}), Codes({164})},
                      ConversionCase{"GreekCapitalsStayControlCodes",
                                     Codes({16, 18, 19, 20, 21, 22, 23, 24, 25, 26}),
                                     Codes({16, 18, 19, 20, 21, 22, 23, 24, 25, 26})},
                      ConversionCase{"LineEndsUnchanged", "a\r\nb", "a\r\nb"},
                      ConversionCase{"EscLineFeedIsFormFeed", Codes({27, 10}), "\f"},
                      ConversionCase{
                          "EveryExtensionPair",
                          Codes({27, 20, 27, 40, 27, 41, 27, 47, 27, 60, 27, 61, 27, 62, 27, 64}),
                          "^{}\\[~]|"},
                      ConversionCase{"EscUnknownCodeStandsAlone", Codes({27, 65}), "A"},
                      ConversionCase{"EscUnknownCodeIsNotMapped", Codes({27, 0}), Codes({0})},
                      ConversionCase{"EscEscKeepsSecond", Codes({27, 27}), Codes({27})},
                      ConversionCase{"EscAtEndDropped", Codes({'a', 'b', 27}), "ab"},
                      ConversionCase{"LoneEscDropped", Codes({27}), ""}),
    [](const auto& info) { return std::string(info.param.name); });

// Every text code with a row in the table survives the trip out and back.
TEST(AlphabetRoundTrip, MappedCharactersComeBack) {
    const std::string mapped =
        Codes({64,  163, 36,  165, 232, 233, 250, 236, 242, 199, 216, 248, 197, 229,
               95,  198, 230, 223, 202, 161, 196, 214, 209, 220, 167, 191, 228, 246,
               241, 252, 224, 12,  94,  123, 125, 92,  91,  126, 93,  124, 164}) +
        "ABCXYZabcxyz0189 !\"#%&'()*+,-./:;<=>?\r\n";
    for (const char c : mapped) {
        const std::string one(1, c);
        EXPECT_EQ(ConvertGSMToText(ConvertTextToGSM(one)), one)
            << "text code " << static_cast<int>(static_cast<unsigned char>(c));
    }
}

// Codes above 127 without a row go out unchanged (the packer keeps their low seven bits).
TEST(AlphabetRoundTrip, HighCodesWithoutRowPassThroughOnSending) {
    const std::string mapped =
        Codes({163, 165, 232, 233, 250, 236, 242, 199, 216, 248, 197, 229, 198, 230, 223,
               202, 161, 196, 214, 209, 220, 167, 191, 228, 246, 241, 252, 224, 164});
    for (int c = 128; c < 256; ++c) {
        if (mapped.find(static_cast<char>(c)) != std::string::npos) continue;
        const std::string one(1, static_cast<char>(c));
        EXPECT_EQ(ConvertTextToGSM(one), one) << "text code " << c;
    }
}

TEST(AlphabetInto, AppendsWithoutReallocating) {
    std::string out = "x";
    out.reserve(64);
    const char* before = out.data();
    ConvertTextToGSMInto(Codes({163, '{'}), out);
    EXPECT_EQ(out, Codes({'x', 1, 27, 40}));
    ConvertGSMToTextInto(Codes({1, 27, 40}), out);
    EXPECT_EQ(out, Codes({'x', 1, 27, 40, 163, '{'}));
    EXPECT_EQ(out.data(), before);
}

// Packing: vectors from the terminal's examples and from libgammu's encoder at every
// group boundary (7, 8, 9, 15, 16 septets).
struct PackCase {
    const char* name;
    std::string septets;
    std::string hex;
};

void PrintTo(const PackCase& c, std::ostream* os) {
    *os << c.name;
}

class Packing : public ::testing::TestWithParam<PackCase> {};

TEST_P(Packing, Packs) {
    EXPECT_EQ(PackSeptets(GetParam().septets), GetParam().hex);
}

TEST_P(Packing, UnpacksBack) {
    const auto& c = GetParam();
    EXPECT_EQ(UnpackSeptets(c.hex, static_cast<int>(c.septets.size())), c.septets);
}

TEST_P(Packing, OctetCountIsSeptetsLessOneInEight) {
    const auto n = GetParam().septets.size();
    EXPECT_EQ(GetParam().hex.size(), 2 * (n - n / 8));
}

INSTANTIATE_TEST_SUITE_P(
    Septets, Packing,
    ::testing::Values(PackCase{"Empty", "", ""}, PackCase{"One", "A", "41"},
                      PackCase{"Hello", "hello", "E8329BFD06"},
                      PackCase{"PoundDigitBraces", Codes({1, 53, 27, 40, 120, 27, 41}),
                               "81DA0685DFA400"},
                      PackCase{"Seven", "1234567", "31D98C56B3DD00"},
                      PackCase{"Eight", "12345678", "31D98C56B3DD70"},
                      PackCase{"Nine", "123456789", "31D98C56B3DD7039"},
                      PackCase{"Ten", "hellohello", "E8329BFD4697D9EC37"},
                      PackCase{"Twelve", "How are you?", "C8F71D14969741F977FD07"},
                      PackCase{"Fifteen", "123456789012345", "31D98C56B3DD7039584C36A3D500"},
                      PackCase{"Sixteen", "1234567890123456", "31D98C56B3DD7039584C36A3D56C"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PackSeptets, KeepsOnlyLowSevenBits) {
    // ù (249) has no row: it goes out as 121, the letter y.
    EXPECT_EQ(PackSeptets(Codes({249})), PackSeptets("y"));
    EXPECT_EQ(PackSeptets(Codes({0xC1, 0xC2, 0xC3})), PackSeptets("ABC"));
}

TEST(PackSeptets, AppendsWithoutReallocating) {
    std::string out = "0011";
    out.reserve(400);
    const char* before = out.data();
    PackSeptetsInto(std::string(160, 'a'), out);
    EXPECT_EQ(out.size(), 4u + 2 * 140);
    EXPECT_EQ(out.data(), before);
}

// Every septet value, and lengths beyond one buffer of unpacking (up to 255 septets).
TEST(PackSeptets, EverySeptetValueAndLengthComesBack) {
    std::string all;
    for (int c = 0; c < 128; ++c) all.push_back(static_cast<char>(c));
    for (int n = 0; n <= 255; ++n) {
        std::string gsm;
        for (int i = 0; i < n; ++i) gsm.push_back(all[(i * 29 + n) % 128]);
        const std::string hex = PackSeptets(gsm);
        ASSERT_EQ(UnpackSeptets(hex, n), gsm) << n << " septets";
    }
    const std::string hex = PackSeptets(all);
    std::string lower = hex;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_EQ(UnpackSeptets(lower, 128), all);
}

TEST(UnpackSeptets, NonHexInLongTextCountsAsZero) {
    const std::string gsm(200, 'a');
    std::string hex = PackSeptets(gsm);
    hex[2 * 150] = 'x';  // high digit of octet 150 (septets 171 and 172 touch it)
    hex[2 * 150 + 1] = 'y';
    std::string expected = UnpackSeptets(PackSeptets(gsm).replace(300, 2, "00"), 200);
    EXPECT_EQ(UnpackSeptets(hex, 200), expected);
    EXPECT_NE(expected, gsm);
}

struct UnpackCase {
    const char* name;
    std::string hex;
    int septets;
    std::string gsm;
};

void PrintTo(const UnpackCase& c, std::ostream* os) {
    *os << c.name;
}

class Unpacking : public ::testing::TestWithParam<UnpackCase> {};

TEST_P(Unpacking, Unpacks) {
    const auto& c = GetParam();
    EXPECT_EQ(UnpackSeptets(c.hex, c.septets), c.gsm);
}

INSTANTIATE_TEST_SUITE_P(
    Septets, Unpacking,
    ::testing::Values(UnpackCase{"FullGroupAsSeven", "31D98C56B3DD70", 7, "1234567"},
                      UnpackCase{"FullGroupAsEight", "31D98C56B3DD70", 8, "12345678"},
                      UnpackCase{"ZeroSeptets", "E8329BFD06", 0, ""},
                      UnpackCase{"NegativeCount", "E8329BFD06", -3, ""},
                      UnpackCase{"EmptyText", "", 5, ""},
                      UnpackCase{"TextEndsEarly", "E8329B", 5, "hel"},
                      UnpackCase{"TextEndsInSecondGroup", "E8329BFD4697D9EC", 10, "hellohell"},
                      UnpackCase{"CountBelowText", "E8329BFD4697D9EC37", 4, "hell"},
                      UnpackCase{"LowerCaseHex", "e8329bfd06", 5, "hello"},
                      UnpackCase{"OddDigitIsHighHalf", "E8329BFD0", 5,
                                 Codes({'h', 'e', 'l', 'l', 15})},
                      UnpackCase{"OddDigitInFullGroup", "31D98C56B3DD7", 8, "12345678"},
                      UnpackCase{"NonHexCountsAsZero", "ZZ", 1, Codes({0})}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace shortmsg
