#include "response/network.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <tuple>
#include <vector>

#include "response/sweep.h"
#include "tests/response/networks.h"

namespace response {
namespace {

using namespace test;

using Shown = std::vector<std::tuple<std::string, bool, double>>;

Shown shown(const Network& network) {
    Shown parts;
    for (const Part& p : network.parts) parts.emplace_back(p.name, p.capacitor, p.value);
    return parts;
}

// networkOf: the parts the captions show, each rounded in its own kind (a single value widens with its
// single rounding: 1.8f, not 1.8), and the Z field as read.
TEST(NetworkOf, PartsAsTheCaptionsShowThem) {
    EXPECT_EQ(shown(networkOf(*calc::lowPass6db(500, 4), 4)), (Shown{{"L", false, 1.27f}}));
    EXPECT_EQ(shown(networkOf(*calc::lowPass12db(500, 4), 4)), (Shown{{"L", false, 1.8f}, {"C", true, 56.0f}}));
    EXPECT_EQ(shown(networkOf(*calc::bandPass6db(500, 4), 4)), (Shown{{"L", false, 0.32f}, {"C", true, 79.5f}}));
    EXPECT_EQ(shown(networkOf(*calc::bandPass12db(500, 5000, 4), 4)),
              (Shown{{"L1", false, 1.8f}, {"C1", true, 56.0}, {"L2", false, 0.18f}, {"C2", true, 5.6}}));
    EXPECT_EQ(shown(networkOf(*calc::highPass6db(5000, 4), 4)), (Shown{{"C", true, 7.95f}}));
    EXPECT_EQ(shown(networkOf(*calc::highPass12db(5000, 45), 45)), (Shown{{"L", false, 2.03f}, {"C", true, 0.5}}));
    EXPECT_EQ(networkOf(*calc::bandPass12db(500, 5000, 4), 4).topology, Topology::BandPass12db);
    EXPECT_EQ(networkOf(*calc::lowPass6db(500, 4.333f), 4.333f).load, double{4.333f});
}

// unusable: what the window leaves out, and why.
struct Verdict {
    const char* name;
    Network network;
    std::optional<Unusable> why;
};

void PrintTo(const Verdict& p, std::ostream* os) { *os << p.name; }

class Unusables : public testing::TestWithParam<Verdict> {};

TEST_P(Unusables, SaysWhy) { EXPECT_EQ(unusable(GetParam().network), GetParam().why); }

// Whatever unusable says, evaluate runs to the end (the sanitizers watch it).
TEST_P(Unusables, EvaluateSafely) {
    const std::vector<double> f{0, 10, 1000, 40000};
    std::vector<Point> out(f.size());
    evaluate(GetParam().network, f, out);
}

constexpr double inf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Networks, Unusables,
    testing::Values(Verdict{"zeroPartsAndLoad", bandPass12(0, 0, 0, 0, 0), std::nullopt},
                    Verdict{"negativeZeroIsZero", lowPass12(-0.0, 56, -0.0), std::nullopt},
                    Verdict{"negativeCoil", lowPass6(-1.27, 4), Unusable::NegativePart},
                    Verdict{"negativeCapacitor", highPass12(0.18, -5.6, 4), Unusable::NegativePart},
                    Verdict{"negativeLoad", lowPass12(1.8, 56, -4), Unusable::NegativeLoad},
                    Verdict{"negativePartBeforeLoad", lowPass12(-1.8, 56, -4), Unusable::NegativePart},
                    Verdict{"nanLoad", bandPass6(0.32, 79.5, std::nan("")), Unusable::NotFinite},
                    Verdict{"notFiniteBeforeNegative", bandPass12(-1.8, 56, 0.18, -inf, 4), Unusable::NotFinite}),
    byName);

// A 0 mH coil is a wire, a 0 uF capacitor an open circuit, a load of 0 a short: H is exact.
struct Exact {
    const char* name;
    Network network;
    double h;
};

void PrintTo(const Exact& p, std::ostream* os) { *os << p.name; }

class ZeroParts : public testing::TestWithParam<Exact> {};

TEST_P(ZeroParts, GiveExactH) {
    for (double f : {0.0, 10.0, 40000.0}) EXPECT_EQ(transfer(GetParam().network, f), GetParam().h) << f;
}

INSTANTIATE_TEST_SUITE_P(Networks, ZeroParts,
                         testing::Values(Exact{"wooferWireBeforeCapacitor", lowPass12(0, 56, 4), 1},
                                         Exact{"wooferWireIntoShort", lowPass6(0, 0), 0},
                                         Exact{"midrangeOpen", bandPass6(0.32, 0, 4), 0},
                                         Exact{"ladderShortL1", bandPass12(0, 56, 0.18, 5.6, 4), 0},
                                         Exact{"ladderAllZero", bandPass12(0, 0, 0, 0, 0), 0},
                                         Exact{"tweeterShortIntoShort", highPass12(0, 0, 0), 0},
                                         Exact{"loadShort", lowPass12(1.8, 56, 0), 0}),
                         byName);

// Every part of every topology at 0 or not, into 4 ohm or a short: no NaN anywhere on the sweep.
TEST(ZeroParts, NeverNaNInAnyCombination) {
    const std::vector<double> f = logSweep(10, 40000, 400);
    std::vector<Point> out(f.size());
    for (const Network& base : {lowPass6(1.27, 4), lowPass12(1.8, 56, 4), bandPass6(0.32, 79.5, 4),
                                bandPass12(1.8, 56, 0.18, 5.6, 4), highPass6(7.95, 4), highPass12(0.18, 5.6, 4)}) {
        for (unsigned zeros = 0; zeros < (2u << base.parts.size()); ++zeros) {
            Network n = base;
            for (std::size_t i = 0; i < n.parts.size(); ++i) {
                if (zeros & (1u << i)) n.parts[i].value = 0;
            }
            if (zeros >> n.parts.size()) n.load = 0;
            evaluate(n, f, out);
            for (const Point& p : out) {
                ASSERT_FALSE(std::isnan(p.phase) || std::isnan(p.level) || p.level == inf)
                    << zeros << " " << p.frequency;
            }
        }
    }
}

}  // namespace
}  // namespace response
