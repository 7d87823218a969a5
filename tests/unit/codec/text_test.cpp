// The character table, septets and UTF-8 where shortmsg-pdu cannot show them. The table's
// rows both ways, packing at the group boundaries and UCS2 from UTF-8 are cases of
// tests/tools/pdu_encode_cases.txt and pdu_decode_cases.txt.
#include <gtest/gtest.h>

#include <cctype>
#include <optional>
#include <string>
#include <utility>

#include "pdu/alphabet.h"
#include "pdu/utf8.h"

namespace shortmsg {
namespace {

// Text the table does not carry goes as UCS2; its GSM codes are what the simulator stores:
// a character up to U+00FF without a row as its own code (u grave 249, E acute 201), any
// other as "?". Codes above 127 come back as the characters of those numbers; codes the
// table reads as other characters come back as those.
TEST(Alphabet, TextTheTableDoesNotCarry) {
    const std::string cases[][3] = {
        {"úù", "\x06\xF9", "úù"},
        {"ÊÉ", "\x1F\xC9", "ÊÉ"},
        {"\u0080\u00A0ÿ", "\x80\xA0\xFF", "\u0080\u00A0ÿ"},
        {"`\t\x7F", "`\t\x7F", "¿Çà"},
        {std::string(1, '\0'), std::string(1, '\0'), "@"},
        {"жa😀", "?a?", "?a?"},
        {"a\xFF\xC3", "a??", "a??"},
    };
    for (const auto& [text, gsm, back] : cases) {
        EXPECT_EQ(ConvertTextToGSM(text), gsm) << text;
        std::string carried;
        EXPECT_FALSE(ConvertCarriedTextToGSMInto(text, carried)) << text;
        EXPECT_EQ(ConvertGSMToText(gsm), back) << text;
    }
    EXPECT_EQ(ConvertGSMToText("\xC8\x1B\xFF"), "Èÿ");  // ESC before a code above 127
}

// Packing keeps seven bits of a code above 127 (u grave: the letter y); every septet value
// comes back, at lengths around the unpacker's chunk of 160 septets, from either case of hex.
TEST(Septets, PackAndUnpack) {
    EXPECT_EQ(PackSeptets("\xF9\xC1"), "F920");
    for (const int n : {128, 159, 160, 161, 168, 255}) {
        std::string gsm;
        for (int i = 0; i < n; ++i) gsm.push_back(static_cast<char>((i * 29 + n) % 128));
        std::string hex = PackSeptets(gsm);
        ASSERT_EQ(UnpackSeptets(hex, n), gsm) << n << " septets";
        for (char& c : hex) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        EXPECT_EQ(UnpackSeptets(hex, n), gsm) << n << " septets, lower-case hex";
    }
}

// Characters read from UTF-8 (one U+FFFD per bad byte), counted and converted to ISO 8859-1
// (short burst data) and back.
TEST(Utf8, ReadsCharacters) {
    constexpr char32_t kBad = 0xFFFD;
    const struct {
        std::string utf8;
        std::u32string codes;
        std::optional<std::string> latin1;
    } cases[] = {
        {"", U"", ""},
        {"aZ\r\n", U"aZ\r\n", "aZ\r\n"},
        {"£é\u0080ÿ", U"£é\u0080ÿ", "\xA3\xE9\x80\xFF"},
        {"€ж", U"€ж", std::nullopt},
        {"👋\U0010FFFF", U"👋\U0010FFFF", std::nullopt},
        {"a\x80z", {'a', kBad, 'z'}, std::nullopt},                          // stray continuation
        {"\xE2\x82", {kBad, kBad}, std::nullopt},                            // cut short
        {"\xC0\xAF", {kBad, kBad}, std::nullopt},                            // overlong
        {"\xED\xA0\x80", {kBad, kBad, kBad}, std::nullopt},                  // a surrogate
        {"\xF4\x90\x80\x80x", {kBad, kBad, kBad, kBad, 'x'}, std::nullopt},  // above U+10FFFF
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DecodeUtf8(c.utf8), c.codes) << c.utf8;
        EXPECT_EQ(Utf8Length(c.utf8), c.codes.size()) << c.utf8;
        EXPECT_EQ(FirstBadUtf8Byte(c.utf8).has_value(), c.codes.find(kBad) != c.codes.npos);
        EXPECT_EQ(Utf8ToLatin1(c.utf8), c.latin1) << c.utf8;
        if (c.latin1) {
            EXPECT_EQ(Latin1ToUtf8(*c.latin1), c.utf8);
        }
    }
}

// A box's maximum length in characters: a prefix never cuts one.
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
