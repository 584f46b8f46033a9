#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

#include "calc/calc.h"

namespace calc {
namespace {

// Exact halves of the single value go to the even hundredth; near-halves
// follow the binary value, not the decimal the user has in mind.
TEST(RoundTo2, SingleHalvesAndNearHalves) {
    EXPECT_EQ(roundTo2(0.125f), 0.12f);
    EXPECT_EQ(roundTo2(0.375f), 0.38f);
    EXPECT_EQ(roundTo2(-0.125f), -0.12f);
    EXPECT_EQ(roundTo2(2.025f), 2.03f);  // held as 2.0250001
    EXPECT_EQ(roundTo2(1.272f), 1.27f);
    EXPECT_EQ(roundTo2(7.95f), 7.95f);
}

// The double keeps its kind: its hundredth is the nearest double, not single.
TEST(RoundTo2, DoubleKeepsItsKind) {
    EXPECT_EQ(roundTo2(4.9777777777777779), 4.98);
    EXPECT_EQ(roundTo2(111999994.68213), 111999994.68);
    EXPECT_EQ(roundTo2(1.785), 1.78);  // held just below the half
    EXPECT_EQ(roundTo2(0.625), 0.62);
    EXPECT_EQ(roundTo2(-0.625), -0.62);
}

// Values too large for the product by 100 come back unchanged.
TEST(RoundTo2, ExtremesComeBackUnchanged) {
    EXPECT_EQ(roundTo2(DBL_MAX), DBL_MAX);
    EXPECT_EQ(roundTo2(-DBL_MAX), -DBL_MAX);
    EXPECT_EQ(roundTo2(FLT_MAX), FLT_MAX);
    EXPECT_EQ(roundTo2(1e300), 1e300);
    EXPECT_TRUE(std::signbit(roundTo2(-0.001f)));
}

}  // namespace
}  // namespace calc
