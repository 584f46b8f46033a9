#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <string>

#include "tests/calc/regions.h"
#include "tests/winding/scan.h"
#include "winding/winding.h"

namespace winding {
namespace {

using calc::test::decimalComma;
using calc::test::decimalPoint;

float field(const char* text, const calc::Region& region) { return calc::readField(text, region).value(); }

// The coil form's example, typed into the window's fields.
Coil example(const calc::Region& region) {
    return {field(region.decimal == "," ? "0,18" : "0.18", region), field("30", region), field("20", region),
            field("1", region)};
}

// The coil form's own example gives its own figures, under either decimal separator.
TEST(Example, UnderDecimalComma) {
    const auto w = wind(example(decimalComma));
    ASSERT_TRUE(w);
    EXPECT_EQ(turnsCaption(*w), "N = 80 namotaja (4 sloja po 20)");
    EXPECT_EQ(sizeCaption(*w, decimalComma), "h = 4mm  do = 34mm");
    EXPECT_EQ(inductanceCaption(*w, decimalComma), "L = 0,18mH");
    EXPECT_EQ(copperCaption(*w, decimalComma), "zica 8,55m  R = 0,19 oma  60,13g");
    EXPECT_EQ(lossCaption(seriesLoss(4, w->resistance), decimalComma), "gubitak na kalemu -0,4 dB");
}

TEST(Example, UnderDecimalPoint) {
    const auto w = wind(example(decimalPoint));
    ASSERT_TRUE(w);
    EXPECT_EQ(turnsCaption(*w), "N = 80 namotaja (4 sloja po 20)");
    EXPECT_EQ(sizeCaption(*w, decimalPoint), "h = 4mm  do = 34mm");
    EXPECT_EQ(inductanceCaption(*w, decimalPoint), "L = 0.18mH");
    EXPECT_EQ(copperCaption(*w, decimalPoint), "zica 8.55m  R = 0.19 oma  60.13g");
    EXPECT_EQ(lossCaption(seriesLoss(4, w->resistance), decimalPoint), "gubitak na kalemu -0.4 dB");
}

struct Target {
    const char* name;
    float inductance;
    int turns;
};

void PrintTo(const Target& t, std::ostream* os) { *os << t.name; }

class Targets : public testing::TestWithParam<Target> {};

TEST_P(Targets, GiveTheSmallestCoilThatReachesThem) {
    const auto w = wind({GetParam().inductance, 30, 20, 1});
    ASSERT_TRUE(w);
    EXPECT_EQ(w->turns, GetParam().turns);
    EXPECT_GE(w->inductance, GetParam().inductance);
}

// The inductance of the example coil wound with this many turns.
float exampleAt(int turns) { return *test::inductanceByDefinition({0.18f, 30, 20, 1}, turns); }

// The example coil winds 20 turns to a layer; 79 turns give 0.1761 mH and 80 give 0.1806 mH.
INSTANTIATE_TEST_SUITE_P(
    BetweenAndAtTurnCounts, Targets,
    testing::Values(Target{"exactlyEighty", exampleAt(80), 80}, Target{"exactlySeventyNine", exampleAt(79), 79},
                    Target{"justAboveSeventyNine", std::nextafter(exampleAt(79), 1.0f), 80},
                    Target{"justBelowSeventyNine", std::nextafter(exampleAt(79), 0.0f), 79},
                    Target{"betweenSeventyNineAndEighty", 0.177f, 80},
                    Target{"justAboveAFullLayerStartsTheNext", std::nextafter(exampleAt(60), 1.0f), 61},
                    Target{"belowOneTurn", 1e-30f, 1}),
    [](const auto& info) { return std::string(info.param.name); });

// 123 turns a layer leave 100,000 turns one turn in the last layer, which on
// this wide former lowers the inductance below that of 99,999 turns.
TEST(LastLayer, AboveTheLargestCoilFewerTurnsMayReach) {
    Coil coil{0, 1000, 15.2f, 0.123f};
    const float cut = *test::inductanceByDefinition(coil, maxTurns);
    ASSERT_LT(cut, *test::inductanceByDefinition(coil, maxTurns - 1));
    coil.inductance = std::nextafter(cut, 1e30f);
    const auto w = wind(coil);
    ASSERT_TRUE(w);
    EXPECT_EQ(w->turns, *test::scanTurns(coil));
    EXPECT_GE(w->inductance, coil.inductance);
}

// Where the first layer is full (N = k) and where the second begins (N = k + 1).
struct Boundary {
    const char* name;
    int turns;
    int layers;
    int lastLayer;
    float height;
    float meanDiameter;
    double turnDiameters;  // the sum over the turns of each one's diameter, mm
};

void PrintTo(const Boundary& b, std::ostream* os) { *os << b.name; }

class LayerBoundary : public testing::TestWithParam<Boundary> {};

TEST_P(LayerBoundary, CountsLayersHeightAndWire) {
    const Boundary& b = GetParam();
    const auto w = wind({exampleAt(b.turns), 30, 20, 1});
    ASSERT_TRUE(w);
    EXPECT_EQ(w->turns, b.turns);
    EXPECT_EQ(w->perLayer, 20);
    EXPECT_EQ(w->layers, b.layers);
    EXPECT_EQ(w->lastLayer, b.lastLayer);
    EXPECT_EQ(w->height, b.height);
    EXPECT_EQ(w->meanDiameter, b.meanDiameter);
    EXPECT_DOUBLE_EQ(w->wireLength, std::numbers::pi * b.turnDiameters / 1000);
}

INSTANTIATE_TEST_SUITE_P(OneWireOnThirty, LayerBoundary,
                         testing::Values(Boundary{"firstLayerFull", 20, 1, 20, 1, 31, 20 * 31.0},
                                         Boundary{"secondLayerBegun", 21, 2, 1, 2, 32, 20 * 31.0 + 33},
                                         Boundary{"fifthLayerPartial", 85, 5, 5, 5, 35,
                                                  20 * (31.0 + 33 + 35 + 37) + 5 * 39}),
                         [](const auto& info) { return std::string(info.param.name); });

struct Stop {
    const char* name;
    Coil coil;
    Failure failure;
};

void PrintTo(const Stop& s, std::ostream* os) { *os << s.name; }

class CoilStops : public testing::TestWithParam<Stop> {};

TEST_P(CoilStops, NameTheFieldToFix) {
    const auto w = wind(GetParam().coil);
    ASSERT_FALSE(w);
    EXPECT_EQ(w.error(), GetParam().failure);
}

constexpr float nan = std::numeric_limits<float>::quiet_NaN();
constexpr float infinity = std::numeric_limits<float>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Failures, CoilStops,
    testing::Values(Stop{"zeroTarget", {0, 30, 20, 1}, {Problem::NotPositive, Field::Inductance}},
                    Stop{"infiniteTarget", {infinity, 30, 20, 1}, {Problem::NotPositive, Field::Inductance}},
                    Stop{"negativeFormer", {0.18f, -30, 20, 1}, {Problem::NotPositive, Field::Former}},
                    Stop{"zeroLength", {0.18f, 30, 0, 1}, {Problem::NotPositive, Field::Length}},
                    Stop{"wireNotANumber", {0.18f, 30, 20, nan}, {Problem::NotPositive, Field::Wire}},
                    Stop{"firstOfSeveralFieldsNamed", {0.18f, 0, 0, 0}, {Problem::NotPositive, Field::Former}},
                    Stop{
                        "wireThickerThanLength", {0.18f, 30, 20, 20.5f}, {Problem::WireThickerThanLength, Field::Wire}},
                    Stop{"targetBeyondAnyCoil", {1e12f, 30, 20, 1}, {Problem::Unreachable, Field::Inductance}},
                    Stop{"oneLongLayerTooWeak", {10, 1, 1000, 0.001f}, {Problem::Unreachable, Field::Inductance}},
                    Stop{"formerSquaredOverflows", {0.18f, 1e19f, 20, 1}, {Problem::Overflow, Field::Former}},
                    Stop{"formerOverflowsBeforeTheTarget", {1e30f, 1e17f, 20, 1}, {Problem::Overflow, Field::Former}},
                    Stop{"lengthOverflows", {0.18f, 30, 1e38f, 1}, {Problem::Overflow, Field::Length}},
                    Stop{"heightOverflows", {0.18f, 1, 3.4e38f, 3e38f}, {Problem::Overflow, Field::Wire}},
                    Stop{"thinWireResistanceOverflows", {0.001f, 30, 20, 1e-21f}, {Problem::Overflow, Field::Wire}},
                    Stop{"thickWireMassOverflows", {1, 1, 1e15f, 1e15f}, {Problem::Overflow, Field::Wire}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Failures, WireAsThickAsTheLengthWindsOneTurnALayer) {
    const auto w = wind({0.18f, 30, 20, 20});
    ASSERT_TRUE(w);
    EXPECT_EQ(w->perLayer, 1);
    EXPECT_EQ(w->layers, w->turns);
}

}  // namespace
}  // namespace winding
