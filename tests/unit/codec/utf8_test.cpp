// UTF-8 text: characters, bad bytes, ISO 8859-1 and UTF-16 both ways.
#include "pdu/utf8.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace shortmsg {
namespace {

constexpr char32_t kBad = 0xFFFD;

struct Utf8Case {
    const char* name;
    std::string utf8;
    std::u32string codes;  // one U+FFFD per bad byte
    std::u16string utf16;
    std::optional<std::string> latin1;
};

class Utf8 : public ::testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8, ReadsCharacters) {
    const auto& c = GetParam();
    EXPECT_EQ(DecodeUtf8(c.utf8), c.codes);
    EXPECT_EQ(Utf8Length(c.utf8), c.codes.size());
    EXPECT_EQ(Utf8ToUtf16(c.utf8), c.utf16);
    EXPECT_EQ(Utf8ToLatin1(c.utf8), c.latin1);
    const bool wellFormed = c.codes.find(kBad) == std::u32string::npos;
    EXPECT_EQ(FirstBadUtf8Byte(c.utf8).has_value(), !wellFormed);
    if (wellFormed) {
        EXPECT_EQ(Utf16ToUtf8(c.utf16), c.utf8);
    }
    if (c.latin1) {
        EXPECT_EQ(Latin1ToUtf8(*c.latin1), c.utf8);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Text, Utf8,
    ::testing::Values(
        Utf8Case{"Empty", "", U"", u"", ""},
        Utf8Case{"Ascii", "aZ\r\n", U"aZ\r\n", u"aZ\r\n", "aZ\r\n"},
        Utf8Case{"Latin1", "£é\u0080ÿ", U"£é\u0080ÿ", u"£é\u0080ÿ", "\xA3\xE9\x80\xFF"},
        Utf8Case{"ThreeBytes", "€ж", U"€ж", u"€ж", std::nullopt},
        Utf8Case{"SurrogatePair", "👋\U0010FFFF", U"👋\U0010FFFF", u"\xD83D\xDC4B\xDBFF\xDFFF",
                 std::nullopt},
        Utf8Case{"StrayContinuation", "a\x80z", {'a', kBad, 'z'}, {'a', kBad, 'z'}, std::nullopt},
        Utf8Case{"CutShort", "\xE2\x82", {kBad, kBad}, {kBad, kBad}, std::nullopt},
        Utf8Case{"Overlong", "\xC0\xAF", {kBad, kBad}, {kBad, kBad}, std::nullopt},
        Utf8Case{"EncodedSurrogate",
                 "\xED\xA0\x80",
                 {kBad, kBad, kBad},
                 {kBad, kBad, kBad},
                 std::nullopt},
        Utf8Case{"AboveU10FFFF",
                 "\xF4\x90\x80\x80x",
                 {kBad, kBad, kBad, kBad, 'x'},
                 {kBad, kBad, kBad, kBad, 'x'},
                 std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

// (UTF-16 big-endian from a PDU: tests/tools/pdu_decode_cases.txt, the UCS2 cases.)
TEST(Utf16, UnpairedHalvesBecomeReplacementCharacters) {
    const std::pair<std::u16string, std::string> cases[] = {
        {u"\xD83D", "\uFFFD"},
        {u"\xDC4B\xD83D", "\uFFFD\uFFFD"},
        {u"\xD83D"
         u"a",
         "\uFFFDa"},
        {u"a\xDC4B\xD83D\xDC4B", "a\uFFFD👋"},
    };
    for (const auto& [utf16, utf8] : cases) EXPECT_EQ(Utf16ToUtf8(utf16), utf8);
}

TEST(Utf8, PrefixNeverCutsACharacter) {
    const std::string text = "aж👋b";
    const std::pair<std::size_t, std::string> cases[] = {{0, ""},    {1, "a"},  {2, "aж"},
                                                         {3, "aж👋"}, {4, text}, {9, text}};
    for (const auto& [characters, prefix] : cases) {
        EXPECT_EQ(Utf8Prefix(text, characters), prefix) << characters;
    }
    EXPECT_EQ(Utf8Prefix("\xE2\x82z", 2), "\xE2\x82");  // a bad byte is one character
    EXPECT_EQ(FirstBadUtf8Byte("ab\xFF"), 2u);
}

}  // namespace
}  // namespace shortmsg
