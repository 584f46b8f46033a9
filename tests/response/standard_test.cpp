#include "response/standard.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <vector>

#include "tests/response/networks.h"

namespace response {
namespace {

using namespace test;

const std::vector<double> e12{1.0, 1.2, 1.5, 1.8, 2.2, 2.7, 3.3, 3.9, 4.7, 5.6, 6.8, 8.2};
const std::vector<double> e24{1.0, 1.1, 1.2, 1.3, 1.5, 1.6, 1.8, 2.0, 2.2, 2.4, 2.7, 3.0,
                              3.3, 3.6, 3.9, 4.3, 4.7, 5.1, 5.6, 6.2, 6.8, 7.5, 8.2, 9.1};

// 0.1 uF to 1e6 uF, and decades far beyond where powers of ten are no longer exact.
const std::vector<int> decades{-296, -30, -1, 0, 1, 2, 3, 4, 5, 30, 296};

// In every decade each member is its own pick, and between neighbours (8.2 and 10 at the top) the
// pick switches at their geometric mean.
void checkSeries(Series series, const std::vector<double>& members) {
    for (int decade : decades) {
        const double scale = std::pow(10.0, decade);
        for (std::size_t i = 0; i < members.size(); ++i) {
            const double below = members[i] * scale, above = (i + 1 < members.size() ? members[i + 1] : 10) * scale;
            const double middle = std::sqrt(below) * std::sqrt(above);
            EXPECT_DOUBLE_EQ(nearestStandard(below, series).value(), below);
            EXPECT_DOUBLE_EQ(nearestStandard(middle * (1 - 1e-9), series).value(), below);
            EXPECT_DOUBLE_EQ(nearestStandard(middle * (1 + 1e-9), series).value(), above);
        }
    }
}

TEST(NearestStandard, E12) { checkSeries(Series::E12, e12); }
TEST(NearestStandard, E24) { checkSeries(Series::E24, e24); }

// Picks a builder would check by hand: nearest by ratio, not by difference.
TEST(NearestStandard, ByRatio) {
    EXPECT_EQ(nearestStandard(9.07, Series::E12), 10);  // nearer 8.2 by difference
    EXPECT_EQ(nearestStandard(4.898, Series::E24), 5.1);
    EXPECT_EQ(nearestStandard(79.5, Series::E12), 82);
    EXPECT_EQ(nearestStandard(0.0052, Series::E12), 0.0056);
    EXPECT_EQ(nearestStandard(std::nextafter(100.0, 0.0), Series::E12), 100);
}

TEST(NearestStandard, NothingForZeroNegativeOrNotFinite) {
    for (double value : {0.0, -4.7, std::numeric_limits<double>::infinity(), std::nan("")}) {
        EXPECT_EQ(nearestStandard(value, Series::E12), std::nullopt) << value;
    }
}

// Only capacitors change; a 0 uF capacitor has no standard value and stays open.
TEST(WithStandardCapacitors, ReplacesCapacitorsOnly) {
    const Network standard = withStandardCapacitors(bandPass12(1.8, 79.5, 0.18, 0, 4), Series::E12);
    ASSERT_EQ(standard.parts.size(), 4u);
    EXPECT_EQ(standard.parts[0].value, 1.8);
    EXPECT_EQ(standard.parts[1].value, 82);
    EXPECT_EQ(standard.parts[2].value, 0.18);
    EXPECT_EQ(standard.parts[3].value, 0);
}

}  // namespace
}  // namespace response
