#include "response/edges.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "response/sweep.h"
#include "tests/response/networks.h"

namespace response {
namespace {

using namespace test;

// Known curves: the edges from closed forms, each within a part in 1e9.
struct Known {
    const char* name;
    Network network;
    std::optional<double> lower, upper;
};

void PrintTo(const Known& p, std::ostream* os) { *os << p.name; }

class KnownEdges : public testing::TestWithParam<Known> {};

void expectNear(std::optional<double> actual, std::optional<double> expected) {
    ASSERT_EQ(actual.has_value(), expected.has_value());
    if (expected) {
        EXPECT_NEAR(*actual, *expected, 1e-9 * *expected);
    }
}

TEST_P(KnownEdges, FromClosedForms) {
    const Edges edges = halfPowerEdges(GetParam().network);
    expectNear(edges.lower, GetParam().lower);
    expectNear(edges.upper, GetParam().upper);
}

const double R = 4, L = 0.32e-3, C = 79.5e-6;  // ohm, H, F
// Midrange 6 dB: |wL - 1/(wC)| = R either side of resonance.
const double midrangeRoot = std::sqrt(R * R + 4 * L / C);
// A woofer 12 dB into 100 ohm peaks before it falls, so it has no lower edge; with a = LC and
// b = (L/R)^2 its upper edge solves a^2 x^2 + (b - 2a) x - 1 = 0 for x = w^2.
const double a = 1e-3 * 10e-6, b = 1e-10;
const double peakingEdge =
    std::sqrt((2 * a - b + std::sqrt((b - 2 * a) * (b - 2 * a) + 4 * a * a)) / (2 * a * a)) / (2 * pi);

INSTANTIATE_TEST_SUITE_P(Curves, KnownEdges,
                         testing::Values(Known{"woofer6db", lowPass6(1.27, R), std::nullopt, R / (2 * pi * 1.27e-3)},
                                         Known{"tweeter6db", highPass6(7.95, R), 1 / (2 * pi * R * 7.95e-6),
                                               std::nullopt},
                                         Known{"woofer12db", lowPass12(butterworthL(3000, 8), butterworthC(3000, 8), 8),
                                               std::nullopt, 3000.0},
                                         Known{"tweeter12db", highPass12(butterworthL(500, 4), butterworthC(500, 4), 4),
                                               500.0, std::nullopt},
                                         Known{"midrange6db", bandPass6(0.32, 79.5, R),
                                               (midrangeRoot - R) / (4 * pi * L), (midrangeRoot + R) / (4 * pi * L)},
                                         Known{"peakingWoofer", lowPass12(1, 10, 100), std::nullopt, peakingEdge},
                                         Known{"wireNeverFalls", lowPass6(0, R), std::nullopt, std::nullopt},
                                         Known{"openNeverRises", highPass6(0, R), std::nullopt, std::nullopt},
                                         Known{"shortedLoad", lowPass12(1.8, 56, 0), std::nullopt, std::nullopt},
                                         Known{"unusable", lowPass6(-1.27, R), std::nullopt, std::nullopt}),
                         byName);

// The ladder has no handy closed form: its edges are where |H|^2 = 1/2, the band between them
// above that and the skirts below, even when the band dips below it (around 700 Hz here).
TEST(LadderEdges, HalfPowerAtTheOutermostCrossings) {
    for (const Network& ladder : {networkOf(*calc::bandPass12db(500, 5000, 8), 8), bandPass12(2, 100, 0.1, 100, 8)}) {
        const Edges edges = halfPowerEdges(ladder);
        ASSERT_TRUE(edges.lower && edges.upper);
        EXPECT_NEAR(std::norm(transfer(ladder, *edges.lower)), 0.5, 1e-9);
        EXPECT_NEAR(std::norm(transfer(ladder, *edges.upper)), 0.5, 1e-9);
        for (double f : logSweep(1, *edges.lower * 0.99, 50)) EXPECT_LT(std::norm(transfer(ladder, f)), 0.5) << f;
        for (double f : logSweep(*edges.upper * 1.01, 1e6, 50)) EXPECT_LT(std::norm(transfer(ladder, f)), 0.5) << f;
    }
    EXPECT_LT(std::norm(transfer(bandPass12(2, 100, 0.1, 100, 8), 700)), 0.5);
}

// Parts scaled together by many decades: the edges move by the same factor.
TEST(LadderEdges, ScaleWithTheParts) {
    const Edges base = halfPowerEdges(bandPass12(1.8, 56, 0.18, 5.6, 4));
    for (double k : {1e-60, 1e60}) {
        const Edges scaled = halfPowerEdges(bandPass12(1.8 * k, 56 * k, 0.18 * k, 5.6 * k, 4));
        ASSERT_TRUE(scaled.lower && scaled.upper) << k;
        EXPECT_NEAR(*scaled.lower * k, *base.lower, 1e-9 * *base.lower) << k;
        EXPECT_NEAR(*scaled.upper * k, *base.upper, 1e-9 * *base.upper) << k;
    }
}

}  // namespace
}  // namespace response
