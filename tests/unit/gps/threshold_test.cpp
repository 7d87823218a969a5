// The value of the distance threshold text a remote command left behind.
#include "gps/threshold.h"

#include <gtest/gtest.h>

namespace shortmsg {
namespace {

struct ThresholdCase {
    const char* text;
    double km;
};

class Threshold : public ::testing::TestWithParam<ThresholdCase> {};

TEST_P(Threshold, DigitsWithOnePointElseOff) {
    EXPECT_EQ(DistanceThresholdKm(GetParam().text), GetParam().km) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(Numbers, Threshold,
                         ::testing::Values(ThresholdCase{"0.03", 0.03}, ThresholdCase{"10.", 10},
                                           ThresholdCase{".5", 0.5},
                                           ThresholdCase{"007.250", 7.25}));

// Everything that is not plain digits with at most one "." switches tracking off, so that
// no remote text can make every tick report.
INSTANTIATE_TEST_SUITE_P(NotNumbers, Threshold,
                         ::testing::Values(ThresholdCase{"", 0}, ThresholdCase{".", 0},
                                           ThresholdCase{"-1", 0}, ThresholdCase{"+1", 0},
                                           ThresholdCase{"1e-9", 0}, ThresholdCase{"nan", 0},
                                           ThresholdCase{"inf", 0}, ThresholdCase{"0x10", 0},
                                           ThresholdCase{"1.2.3", 0}, ThresholdCase{" 1", 0},
                                           ThresholdCase{"0.03\r", 0}));

}  // namespace
}  // namespace shortmsg
