#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "tests/calc/regions.h"
#include "winding/winding.h"

namespace winding {
namespace {

using calc::test::decimalComma;
using calc::test::decimalPoint;

// A caption written under a decimal comma, as the region writes it.
std::string in(std::string caption, const calc::Region& region) {
    if (region.decimal == ".") std::ranges::replace(caption, ',', '.');
    return caption;
}

// The coil form's own example, typed into the window's fields, gives its own figures.
TEST(Wind, TheCoilFormsExampleUnderEitherSeparator) {
    for (const calc::Region* region : {&decimalComma, &decimalPoint}) {
        const auto field = [&](const char* text) { return calc::readField(in(text, *region), *region).value(); };
        const auto w = wind({field("0,18"), field("30"), field("20"), field("1")});
        ASSERT_TRUE(w);
        EXPECT_EQ(turnsCaption(*w), "N = 80 namotaja (4 sloja po 20)");
        EXPECT_EQ(sizeCaption(*w, *region), "h = 4mm  do = 34mm");
        EXPECT_EQ(inductanceCaption(*w, *region), in("L = 0,18mH", *region));
        EXPECT_EQ(copperCaption(*w, *region), in("zica 8,55m  R = 0,19 oma  60,13g", *region));
        EXPECT_EQ(lossCaption(seriesLoss(4, w->resistance), *region), in("gubitak na kalemu -0,4 dB", *region));
    }
}

// The example coil, 20 turns a layer of 1 mm wire on a 30 mm former, wound with N turns: each
// layer adds 1 mm to the height and to the mean diameter. 79 turns give 0.1761 mH, 80 0.1806 mH.
float exampleAt(int N) {
    const float layers = static_cast<float>((N + 19) / 20);
    return calc::coilInductance(static_cast<float>(N), 30 + layers, 20, layers)->L;
}

// The smallest number of turns that reaches the target: the layers, the turns in the last, the
// height and mean diameter, and the wire, each turn at its own layer's diameter.
TEST(Wind, TheSmallestCoilThatReachesTheTarget) {
    const std::tuple<const char*, float, int, int, int, double> targets[] = {
        {"exactlyEighty", exampleAt(80), 80, 4, 20, 20 * (31.0 + 33 + 35 + 37)},
        {"exactlySeventyNine", exampleAt(79), 79, 4, 19, 20 * (31.0 + 33 + 35) + 19 * 37},
        {"justAboveSeventyNine", std::nextafter(exampleAt(79), 1.0f), 80, 4, 20, 20 * (31.0 + 33 + 35 + 37)},
        {"justBelowSeventyNine", std::nextafter(exampleAt(79), 0.0f), 79, 4, 19, 20 * (31.0 + 33 + 35) + 19 * 37},
        {"justAboveAFullLayerStartsTheNext", std::nextafter(exampleAt(60), 1.0f), 61, 4, 1, 20 * (31.0 + 33 + 35) + 37},
        {"belowOneTurn", 1e-30f, 1, 1, 1, 31},
        {"firstLayerFull", exampleAt(20), 20, 1, 20, 20 * 31.0},
        {"secondLayerBegun", exampleAt(21), 21, 2, 1, 20 * 31.0 + 33},
        {"fifthLayerPartial", exampleAt(85), 85, 5, 5, 20 * (31.0 + 33 + 35 + 37) + 5 * 39},
    };
    for (const auto& [name, target, turns, layers, lastLayer, turnDiameters] : targets) {
        SCOPED_TRACE(name);
        const auto w = wind({target, 30, 20, 1});
        ASSERT_TRUE(w);
        EXPECT_EQ(std::tuple(w->turns, w->perLayer, w->layers, w->lastLayer), std::tuple(turns, 20, layers, lastLayer));
        EXPECT_GE(w->inductance, target);
        EXPECT_EQ(std::tuple(w->height, w->meanDiameter), std::tuple(layers, 30 + layers));
        EXPECT_DOUBLE_EQ(w->wireLength, std::numbers::pi * turnDiameters / 1000);
    }
    const auto thick = wind({0.18f, 30, 20, 20});  // as thick as the winding is long: a turn a layer
    ASSERT_TRUE(thick);
    EXPECT_EQ(std::tuple(thick->perLayer, thick->layers), std::tuple(1, thick->turns));
}

template <class T>
std::optional<Failure> failureOf(const std::expected<T, Failure>& outcome) {
    if (outcome) return std::nullopt;
    return outcome.error();
}

// Each failure names the field to fix: the coil's L, D, l, dz, or the wire's P, Z, J.
TEST(Failures, NameTheFieldToFix) {
    constexpr double nan = std::numeric_limits<double>::quiet_NaN(), infinity = INFINITY;
    using enum Problem;
    using enum Field;
    const std::tuple<const char*, std::vector<double>, Failure> stops[] = {
        {"zeroTarget", {0, 30, 20, 1}, {NotPositive, Inductance}},
        {"infiniteTarget", {infinity, 30, 20, 1}, {NotPositive, Inductance}},
        {"negativeFormer", {0.18, -30, 20, 1}, {NotPositive, Former}},
        {"zeroLength", {0.18, 30, 0, 1}, {NotPositive, Length}},
        {"wireNotANumber", {0.18, 30, 20, nan}, {NotPositive, Wire}},
        {"firstOfSeveralFieldsNamed", {0.18, 0, 0, 0}, {NotPositive, Former}},
        {"wireThickerThanLength", {0.18, 30, 20, 20.5}, {WireThickerThanLength, Wire}},
        {"targetBeyondAnyCoil", {1e12, 30, 20, 1}, {Unreachable, Inductance}},
        {"oneLongLayerTooWeak", {10, 1, 1000, 0.001}, {Unreachable, Inductance}},
        {"formerSquaredOverflows", {0.18, 1e19, 20, 1}, {Overflow, Former}},
        {"formerOverflowsBeforeTheTarget", {1e30, 1e17, 20, 1}, {Overflow, Former}},
        {"lengthOverflows", {0.18, 30, 1e38, 1}, {Overflow, Length}},
        {"heightOverflows", {0.18, 1, 3.4e38, 3e38}, {Overflow, Wire}},
        {"thinWireResistanceOverflows", {0.001, 30, 20, 1e-21}, {Overflow, Wire}},
        {"thickWireMassOverflows", {1, 1, 1e15, 1e15}, {Overflow, Wire}},
        {"negativePower", {-100, 4, 3}, {Negative, Power}},
        {"powerNotANumber", {nan, 4, 3}, {Negative, Power}},
        {"zeroImpedance", {100, 0, 3}, {NotPositive, Impedance}},
        {"zeroDensity", {100, 4, 0}, {NotPositive, Density}},
        {"hugePower", {2e38, 0.5, 3}, {Overflow, Power}},
        {"tinyImpedance", {100, 1e-38, 3}, {Overflow, Impedance}},
        {"tinyDensity", {100, 4, 1e-40}, {Overflow, Density}},
    };
    for (const auto& [name, f, failure] : stops) {
        const auto coil = [&f] { return failureOf(wind({float(f[0]), float(f[1]), float(f[2]), float(f[3])})); };
        EXPECT_EQ(f.size() == 4 ? coil() : failureOf(suggestWire(f[0], f[1], f[2])), failure) << name;
    }
}

// Serbian counts: 1, 21, 101 take the first form; 2-4, 22-24, 122-124 the second; the rest, 11-14
// and 111-114 among them, the third. One layer has no turns per layer.
TEST(Captions, SayTurnsAndLayersInSerbian) {
    const std::tuple<int, int, int, int, std::string> counts[] = {
        {1, 20, 1, 1, "N = 1 namotaj (1 sloj)"},
        {21, 20, 2, 1, "N = 21 namotaj (2 sloja po 20, u poslednjem 1)"},
        {100, 20, 5, 20, "N = 100 namotaja (5 slojeva po 20)"},
        {11, 1, 11, 1, "N = 11 namotaja (11 slojeva po 1)"},
        {12, 1, 12, 1, "N = 12 namotaja (12 slojeva po 1)"},
        {14, 1, 14, 1, "N = 14 namotaja (14 slojeva po 1)"},
        {111, 1, 111, 1, "N = 111 namotaja (111 slojeva po 1)"},
        {124, 1, 124, 1, "N = 124 namotaja (124 sloja po 1)"},
    };
    for (const auto& [turns, perLayer, layers, lastLayer, caption] : counts) {
        Winding w{};
        std::tie(w.turns, w.perLayer, w.layers, w.lastLayer) = std::tie(turns, perLayer, layers, lastLayer);
        EXPECT_EQ(turnsCaption(w), caption);
    }
}

// The wire for an amplifier's power into the loudspeaker, rounded up to the next tenth of a mm as
// the caption shows it; each power makes I = sqrt(P) the wire-gauge form's current for its diameter.
TEST(Captions, WireSuggestionsAndSeriesLoss) {
    const std::tuple<const char*, double, double, double, std::string, double> suggestions[] = {
        {"coilFormsText", 100, 4, 3, "I = 5A  d = 1,46mm", 1.5},
        {"shownTenthStays", 3.11963906, 1, 1, "I = 1,77A  d = 1,5mm", 1.5},
        {"hundredthAboveATenthRoundsUp", 2.4355, 1, 1, "I = 1,56A  d = 1,41mm", 1.5},
        {"unshownThousandthsDoNotRoundUp", 3.13629, 1, 1, "I = 1,77A  d = 1,5mm", 1.5},
        {"noPowerNoWire", 0, 8, 3, "I = 0A  d = 0mm", 0},
    };
    for (const auto& [name, power, impedance, density, shown, roundedUp] : suggestions) {
        SCOPED_TRACE(name);
        const auto wire = suggestWire(power, impedance, density);
        ASSERT_TRUE(wire);
        EXPECT_EQ(caption(*wire, decimalComma), shown);
        EXPECT_EQ(caption(*wire, decimalPoint), in(shown, decimalPoint));
        EXPECT_EQ(wire->roundedUp, roundedUp);
    }
    const auto loss = [](double Z, double R) { return lossCaption(seriesLoss(Z, R), decimalComma); };
    EXPECT_EQ(loss(4, 0), "gubitak na kalemu 0 dB");
    EXPECT_EQ(loss(8, 8), "gubitak na kalemu -6,02 dB");  // half the voltage
    EXPECT_EQ(loss(4, 1), "gubitak na kalemu -1,94 dB");
    EXPECT_EQ(loss(1e-300, 1e30), "gubitak na kalemu -6600 dB");  // no underflow of the ratio
}

}  // namespace
}  // namespace winding
