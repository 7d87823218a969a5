// The refusal that tells the two send dialects apart. The lengths themselves are in the
// codec tests; the whole fallback runs in the golden scenarios dialects/strict_modem_*.
#include "link/send_length.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace shortmsg {
namespace {

TEST(SendLength, TheRefusalThatAsksForTheOtherDialect) {
    const std::pair<std::string, bool> cases[] = {
        {" 304\r", true},
        {" INVALID PDU MODE PARAMETER\r", true},
        {"Invalid PDU mode parameter", true},
        {" 305", false},
        {" 3040", false},
        {" Invalid Text mode parameter", false},
        {" Invalid PDU mode parameter!", false},
        {"", false},
    };
    for (const auto& [code, expected] : cases)
        EXPECT_EQ(IsInvalidPduModeParameter(code), expected) << code;
}

}  // namespace
}  // namespace shortmsg
