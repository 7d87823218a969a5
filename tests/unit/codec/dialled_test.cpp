// Dialled numbers to address digits, and the semi-octet swap of addresses and time stamps.
#include "pdu/dialled.h"

#include <gtest/gtest.h>

#include <string>

namespace shortmsg {
namespace {

struct DialledCase {
    const char* name;
    std::string dialled;
    std::string digits;
    std::string semiOctets;
};

class Dialled : public ::testing::TestWithParam<DialledCase> {};

TEST_P(Dialled, ConvertsAndSwaps) {
    const auto& c = GetParam();
    EXPECT_EQ(ConvertDialedDigits(c.dialled), c.digits);
    EXPECT_EQ(ToSemiOctets(c.digits), c.semiOctets);
    EXPECT_EQ(FromSemiOctets(c.semiOctets, static_cast<int>(c.digits.size())), c.digits);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, Dialled,
    ::testing::Values(DialledCase{"InternationalEven", "+447700900123", "447700900123",
                                  "447700091032"},
                      DialledCase{"StarAndHashOdd", "*100#", "A100B", "1A00FB"},
                      DialledCase{"FiveDigits", "12345", "12345", "2143F5"},
                      DialledCase{"OneDigit", "7", "7", "F7"}, DialledCase{"Empty", "", "", ""},
                      DialledCase{"PlusAnywhereRemoved", "12+34", "1234", "2143"},
                      DialledCase{"SeparatorsKept", "12 3-4", "12 3-4", "213 4-"},
                      DialledCase{"OnlyPlus", "+", "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

struct FromCase {
    const char* name;
    std::string semiOctets;
    int count;
    std::string digits;
};

class FromSemi : public ::testing::TestWithParam<FromCase> {};

TEST_P(FromSemi, Reads) {
    const auto& c = GetParam();
    EXPECT_EQ(FromSemiOctets(c.semiOctets, c.count), c.digits);
}

INSTANTIATE_TEST_SUITE_P(Numbers, FromSemi,
                         ::testing::Values(FromCase{"TimeStampNegativeZone", "801012410000A8", 14,
                                                    "0801211400008A"},
                                           FromCase{"ReadsOnlyItsField", "2143F5FFFF", 5, "12345"},
                                           FromCase{"TextEndsMidOctet", "214", 4, "124"},
                                           FromCase{"NegativeCount", "2143", -1, ""},
                                           FromCase{"LowerCaseLettersUpper", "1a00fb", 5, "A100B"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace shortmsg
