#include "response/sweep.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <vector>

#include "tests/response/networks.h"

namespace response {
namespace {

using namespace test;

// logSweep: both ends exact, one ratio between all neighbours.
TEST(LogSweep, EvenlyOnALogScale) {
    const std::vector<double> f = logSweep(10, 40000, 400);
    ASSERT_EQ(f.size(), 400u);
    EXPECT_EQ(f.front(), 10);
    EXPECT_EQ(f.back(), 40000);
    for (std::size_t i = 1; i < f.size(); ++i) EXPECT_NEAR(f[i] / f[i - 1], std::pow(4000.0, 1.0 / 399), 1e-12) << i;
    EXPECT_EQ(logSweep(10, 40000, 0), std::vector<double>{});
    EXPECT_EQ(logSweep(10, 40000, 1), std::vector<double>{10});
}

// The sums, with parts as the woofer and tweeter forms compute them at one Fp.
const float Fp = 3000, Z = 8;

std::vector<Point> sumOver(std::span<const Branch> branches, const std::vector<double>& f = logSweep(10, 40000, 400)) {
    std::vector<Point> out(f.size());
    evaluateSum(branches, f, out);
    return out;
}

double sumLevelAt(std::span<const Branch> branches, double f) { return sumOver(branches, {f})[0].level; }

class SecondOrderSum : public testing::Test {
protected:
    const Network woofer = networkOf(*calc::lowPass12db(Fp, Z), Z);
    const Network tweeter = networkOf(*calc::highPass12db(Fp, Z), Z);
};

TEST_F(SecondOrderSum, WiredAlikeNotchAtFp) {
    const std::array<Branch, 2> alike{{{&woofer, false}, {&tweeter, false}}};
    EXPECT_LT(sumLevelAt(alike, Fp), -20);
    EXPECT_NEAR(sumLevelAt(alike, Fp / 10), 0, 0.1);
    EXPECT_NEAR(sumLevelAt(alike, Fp * 10), 0, 0.1);
}

TEST_F(SecondOrderSum, TweeterReversedThreeDbAtFpAndFlatElsewhere) {
    const std::array<Branch, 2> reversed{{{&woofer, false}, {&tweeter, true}}};
    EXPECT_NEAR(sumLevelAt(reversed, Fp), 3.01, 0.2);
    for (const Point& p : sumOver(reversed)) {
        EXPECT_GT(p.level, -0.5) << p.frequency;
        EXPECT_LT(p.level, 3.5) << p.frequency;
    }
}

TEST(FirstOrderSum, FlatWithinTheRoundingOfTheParts) {
    const Network woofer = networkOf(*calc::lowPass6db(Fp, Z), Z), tweeter = networkOf(*calc::highPass6db(Fp, Z), Z);
    const std::array<Branch, 2> alike{{{&woofer, false}, {&tweeter, false}}};
    for (const Point& p : sumOver(alike)) EXPECT_NEAR(p.level, 0, 0.1) << p.frequency;
}

// Far above its band a reversed tweeter is -1 less a vanishing imaginary part: +180 degrees, not -180.
TEST(Sum, ReversedPhaseIsPlus180) {
    const Network tweeter = networkOf(*calc::highPass12db(Fp, Z), Z);
    const std::array<Branch, 1> reversed{{{&tweeter, true}}};
    EXPECT_EQ(sumOver(reversed, {1e20})[0].phase, 180);
    EXPECT_EQ(sumOver({}, {1000})[0].level, -std::numeric_limits<double>::infinity());
}

}  // namespace
}  // namespace response
