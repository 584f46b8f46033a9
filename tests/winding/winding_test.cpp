#include "winding/winding.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <expected>
#include <limits>
#include <numbers>
#include <optional>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "tests/calc/regions.h"

#ifndef TAV20_COIL_SHARE
#define TAV20_COIL_SHARE 1
#endif

namespace winding {
namespace {

using calc::test::decimalComma;
using calc::test::decimalPoint;

// A caption written under a decimal comma, as the region writes it.
std::string in(std::string caption, const calc::Region& region) {
    for (std::size_t i = 1; i < caption.size(); ++i)
        if (caption[i] == ',' && std::isdigit(caption[i + 1])) caption[i] = region.decimal[0];
    return caption;
}

// What a caption shows: its text read back, under a decimal comma (the library writes its
// captions in a region of its own: they must not depend on it).
float shown(float value) {
    return *calc::readField(calc::numberText(calc::roundTo2(value), decimalComma), decimalComma);
}

// The winding's definition taken turn by turn, the yardstick for the search: N turns side by side at
// the pitch dl, in full layers of the winding length, with h and d0 as their captions show them, and
// one layer as long as its turns lie.
class Definition {
public:
    explicit Definition(const Coil& coil)
        : m_coil(coil), m_perLayer(static_cast<int>(std::min(std::floor(double{coil.length} / pitch()), 1e9))) {}

    float pitch() const { return *m_coil.outer; }
    int perLayer() const { return m_perLayer; }

    // Nothing if a step overflows. Each layer's h and d0 serve its turns in turn.
    std::optional<float> inductance(int turns) {
        const int layers = (turns + m_perLayer - 1) / m_perLayer;
        if (layers != m_layers) {
            m_layers = layers;
            const float h = static_cast<float>(layers) * pitch(), d0 = m_coil.former + h;
            m_stack = std::isfinite(d0) ? std::optional(std::array{shown(h), shown(d0)}) : std::nullopt;
        }
        if (!m_stack) return std::nullopt;
        const float l = layers == 1 ? shown(static_cast<float>(turns) * pitch()) : m_coil.length;
        const auto L = calc::coilInductance(static_cast<float>(turns), (*m_stack)[1], l, (*m_stack)[0]);
        return L ? std::optional(L->L) : std::nullopt;
    }

    // Counting up from one turn: the first coil that reaches the target, or Overflow if one
    // overflows first, or Unreachable.
    std::expected<int, Problem> scan() {
        for (int turns = 1; turns <= maxTurns; ++turns) {
            const auto L = inductance(turns);
            if (!L) return std::unexpected(Problem::Overflow);
            if (*L >= m_coil.inductance) return turns;
        }
        return std::unexpected(Problem::Unreachable);
    }

private:
    Coil m_coil;
    int m_perLayer;
    int m_layers = 0;
    std::optional<std::array<float, 2>> m_stack;  // h, d0
};

// Coils typed into the window's fields, under either region: the coil form's own example, 18 turns a
// layer of enamelled 1 mm wire, or 20 of the bare wire; turns that fit one layer, as long as they lie;
// a thin wire's resistance, of annealed copper at 20 degrees.
TEST(Wind, TypedCoils) {
    // clang-format off
    const std::tuple<std::array<const char*, 5>, const char*> coils[] = {
        {{"0,18", "30", "20", "1", ""}, "N = 79 namotaja (5 slojeva po 18, u poslednjem 7)|h = 5,31mm  do = 35,31mm|L = 0,18mH|zica 8,62m  R = 0,19 oma (20 °C)  60,16g"},
        {{"0,18", "30", "20", "1", "1"}, "N = 80 namotaja (4 sloja po 20)|h = 4mm  do = 34mm|L = 0,18mH|zica 8,55m  R = 0,19 oma (20 °C)  59,66g"},
        {{"0,05", "30", "20", "0,2", ""}, "N = 34 namotaja (1 sloj)|h = 0,23mm  do = 30,23mm  l = 7,68mm|L = 0,05mH|zica 3,23m  R = 1,77 oma (20 °C)  0,9g"},
        {{"68", "40", "60", "0,25", ""}, "N = 1821 namotaj (9 slojeva po 213, u poslednjem 117)|h = 2,53mm  do = 42,53mm|L = 68,04mH|zica 242,62m  R = 85,22 oma (20 °C)  105,88g"},
    };
    // clang-format on
    for (const calc::Region* region : {&decimalComma, &decimalPoint}) {
        for (const auto& [typed, captions] : coils) {
            const auto field = [&](const char* text) { return calc::readField(in(text, *region), *region).value(); };
            const auto outer = *typed[4] ? std::optional(field(typed[4])) : std::nullopt;
            const auto w = wind({field(typed[0]), field(typed[1]), field(typed[2]), field(typed[3]), outer});
            ASSERT_TRUE(w);
            EXPECT_EQ(turnsCaption(*w) + "|" + sizeCaption(*w, *region) + "|" + inductanceCaption(*w, *region) + "|" +
                          copperCaption(*w, *region),
                      in(captions, *region));
        }
    }
}

TEST(Wind, SmallestCoilsAroundTheExample) {
    // The example coil, 20 turns a layer of 1 mm wire on a 30 mm former, wound with N turns: each
    // layer adds 1 mm to the height and to the mean diameter. 79 turns give 0.1761 mH, 80 0.1806 mH.
    const auto exampleAt = [](int N) { return *Definition({0, 30, 20, 1, 1}).inductance(N); };
    // The smallest number of turns that reaches the target: the layers, the turns in the last, the
    // height and mean diameter, and the wire, each turn at its own layer's diameter.
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
        const auto w = wind({target, 30, 20, 1, 1});
        ASSERT_TRUE(w);
        EXPECT_EQ(std::tuple(w->turns, w->perLayer, w->layers, w->lastLayer), std::tuple(turns, 20, layers, lastLayer));
        EXPECT_GE(w->inductance, target);
        EXPECT_EQ(std::tuple(w->height, w->meanDiameter), std::tuple(layers, 30 + layers));
        EXPECT_DOUBLE_EQ(w->wireLength, std::numbers::pi * turnDiameters / 1000);
    }
    const auto thick = wind({0.18f, 30, 20, 18, 20});  // as thick as the winding is long: a turn a layer
    ASSERT_TRUE(thick);
    EXPECT_EQ(std::tuple(thick->perLayer, thick->layers), std::tuple(1, thick->turns));
}

// Turns a layer from the decimals typed: as singles, 0.8 is 0.800000012 and 20 / 0.8 falls short of 25.
TEST(Wind, TurnsPerLayerOfTheTypedDecimals) {
    const std::tuple<float, float, int> layers[] = {{20, 0.8f, 25},     {20, 0.4f, 50},      {40, 1.6f, 25},
                                                    {2000, 0.8f, 2500}, {0.02f, 0.001f, 20}, {20, 0.7f, 28}};
    for (const auto& [l, pitch, k] : layers)
        EXPECT_EQ(wind({0.18f, 30, l, pitch, pitch})->perLayer, k) << l << " / " << pitch;
}

// N - 2 to N + 2, of one turn at least, each wound as N is, with the inductance the definition gives it.
TEST(Wind, TurnsAroundN) {
    const std::tuple<Coil, int, std::vector<int>> coils[] = {
        {{0.18f, 30, 20, 1, 1}, 78, {4, 4, 4, 5, 5}},        // the fifth layer begins at 81
        {{0.05f, 30, 20, 0.2f, 0.2f}, 31, {1, 1, 1, 1, 1}},  // one layer, as long as its turns
        {{1e-30f, 30, 20, 1, 1}, 1, {1, 1, 1}},              // no fewer than one turn
    };
    for (const auto& [coil, first, layers] : coils) {
        const auto w = wind(coil);
        ASSERT_TRUE(w);
        ASSERT_EQ(w->around.size(), layers.size());
        for (int i = 0; i < int(layers.size()); ++i) {
            const Neighbour& n = w->around[i];
            EXPECT_EQ(std::tuple(n.turns, n.layers, std::optional(n.inductance)),
                      std::tuple(first + i, layers[i], Definition(coil).inductance(first + i)));
        }
    }
}

// The grade 1 overall diameter: the sizes of the table, the increment interpolated between them, the
// thinnest size's ratio below the table and the thickest size's increment above it.
TEST(Wind, OverallDiameterOfGradeOne) {
    const std::pair<float, float> sizes[] = {{0.02f, 0.024f}, {0.8f, 0.855f},  {1, 1.062f}, {5, 5.093f},
                                             {1.5f, 1.569f},  {0.01f, 0.012f}, {10, 10.09f}};
    for (const auto& [copper, overall] : sizes) EXPECT_EQ(overallDiameter(copper), overall) << copper;
}

// Each failure names the field to fix: the coil's L, D, l, dz, dl, or the wire's P, Z, J.
TEST(Failures, NameTheFieldToFix) {
    constexpr double nan = std::numeric_limits<double>::quiet_NaN(), infinity = INFINITY;
    using enum Problem;
    using enum Field;
    const std::tuple<const char*, std::vector<double>, BadField> stops[] = {
        {"zeroTarget", {0, 30, 20, 1}, {NotPositive, Inductance}},
        {"infiniteTarget", {infinity, 30, 20, 1}, {NotPositive, Inductance}},
        {"negativeFormer", {0.18, -30, 20, 1}, {NotPositive, Former}},
        {"zeroLength", {0.18, 30, 0, 1}, {NotPositive, Length}},
        {"wireNotANumber", {0.18, 30, 20, nan}, {NotPositive, Wire}},
        {"firstOfSeveralFieldsNamed", {0.18, 0, 0, 0}, {NotPositive, Former}},
        {"zeroOuter", {0.18, 30, 20, 1, 0}, {NotPositive, Outer}},
        {"outerBelowCopper", {0.18, 30, 20, 1, 0.99}, {OuterBelowCopper, Outer}},
        {"wireThickerThanLength", {0.18, 30, 20, 19.95}, {WireThickerThanLength, Wire}},
        {"typedOuterThickerThanLength", {0.18, 30, 20, 19, 20.5}, {WireThickerThanLength, Outer}},
        {"targetBeyondAnyCoil", {1e12, 30, 20, 1}, {Unreachable, Inductance}},
        {"oneLongLayerTooWeak", {1000, 1, 100, 0.001}, {Unreachable, Inductance}},
        {"formerSquaredOverflows", {0.18, 1e19, 20, 1}, {Overflow, Former}},
        {"formerOverflowsBeforeTheTarget", {1e30, 1e17, 20, 1}, {Overflow, Former}},
        {"layerHoldsTooManyTurns", {0.18, 30, 100001, 1, 1}, {LayerTooLong, Length}},
        {"heightOverflows", {0.18, 1, 3.4e38, 3e38}, {Overflow, Wire}},
        {"thinWireResistanceOverflows", {0.001, 30, 1e-17, 1e-21}, {Overflow, Wire}},
        {"thickWireMassOverflows", {1, 1, 1e15, 1e15}, {Overflow, Wire}},
        {"negativePower", {-100, 4, 3}, {Negative, Power}},
        {"powerNotANumber", {nan, 4, 3}, {Negative, Power}},
        {"zeroImpedance", {100, 0, 3}, {NotPositive, Impedance}},
        {"zeroDensity", {100, 4, 0}, {NotPositive, Density}},
        {"noPowerNoWire", {0, 4, 3}, {BelowThinnestWire, Power}},
        {"denseCurrentThinnestWire", {100, 4, 1e6}, {BelowThinnestWire, Density}},
        {"justAboveTheThickestWire", {3482, 1, 3}, {AboveThickestWire, Power}},
        {"hugePower", {2e38, 0.5, 3}, {AboveThickestWire, Power}},
        {"tinyImpedance", {100, 1e-38, 3}, {AboveThickestWire, Impedance}},
        {"tinyDensity", {100, 4, 1e-40}, {AboveThickestWire, Density}},
    };
    const auto failureOf = [](const auto& outcome) { return outcome ? std::nullopt : std::optional(outcome.error()); };
    for (const auto& [name, f, failure] : stops) {
        const auto coil = [&] {
            const auto outer = f.size() == 5 ? std::optional(float(f[4])) : std::nullopt;
            return failureOf(wind({float(f[0]), float(f[1]), float(f[2]), float(f[3]), outer}));
        };
        EXPECT_EQ(f.size() > 3 ? coil() : failureOf(suggestWire(f[0], f[1], f[2])), failure) << name;
    }
}

// Serbian counts: 1, 21, 101 take the first form; 2-4, 22-24, 122-124 the second; the rest, 11-14
// and 111-114 among them, the third. One layer has no turns per layer.
TEST(Captions, PluralsWireAndLoss) {
    const std::tuple<int, int, int, int, std::string> counts[] = {
        {1, 20, 1, 1, "N = 1 namotaj (1 sloj)"},
        {21, 20, 2, 1, "N = 21 namotaj (2 sloja po 20, u poslednjem 1)"},
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
    // The wire for an amplifier's power into the loudspeaker, rounded up to the next tenth of a mm as
    // the caption shows it; each power makes I = sqrt(P) the wire-gauge form's current for its diameter.
    const std::tuple<const char*, double, double, double, std::string, double> suggestions[] = {
        {"coilFormsText", 100, 4, 3, "I = 5A  d = 1,46mm", 1.5},
        {"shownTenthStays", 3.11963906, 1, 1, "I = 1,77A  d = 1,5mm", 1.5},
        {"unshownThousandthsDoNotRoundUp", 3.13629, 1, 1, "I = 1,77A  d = 1,5mm", 1.5},
        {"thickestWire", 3480, 1, 3, "I = 58,99A  d = 5mm", 5},
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
    EXPECT_EQ(loss(8, 8), "gubitak na kalemu -6,02 dB");          // half the voltage
    EXPECT_EQ(loss(1e-300, 1e30), "gubitak na kalemu -6600 dB");  // no underflow of the ratio
    EXPECT_EQ(inductanceText(0.1805945f, decimalComma) + " " + inductanceText(1.234567e-5f, decimalPoint),
              "0,1806 1.235E-05");
}

struct Draws {
    std::mt19937 engine;
    double between(double low, double high) { return std::uniform_real_distribution<double>(low, high)(engine); }
    double logBetween(double low, double high) { return std::exp(between(std::log(low), std::log(high))); }
    int whole(int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine); }
};

// A field as the user types it: a value's text, read back.
float typed(double value) {
    return *calc::readField(calc::numberText(static_cast<float>(value), decimalPoint), decimalPoint);
}

// Aims the coil at the inductance of some number of its own turns, half the time the first turn
// of a layer, or just above or below it, where an off-by-one turn would show.
Coil aimed(Coil coil, Draws& draws, int fewestTurns, int mostTurns) {
    int turns = draws.whole(fewestTurns, mostTurns);
    const int perLayer = Definition(coil).perLayer();
    if (draws.whole(0, 1) == 1) turns = std::min(turns / perLayer * perLayer + 1, maxTurns);
    float target = Definition(coil).inductance(turns).value_or(1.0f);
    const int nudge = draws.whole(-1, 1);
    if (nudge != 0) target = std::nextafter(target, nudge * std::numeric_limits<float>::infinity());
    coil.inductance = std::max(target, std::numeric_limits<float>::denorm_min());
    return coil;
}

// A wide former under a long winding of thin wire: where a new layer begins,
// its height costs more than the one more turn gives, and the inductance falls.
Coil wideFormer(Draws& d) {
    const float wire = typed(d.logBetween(0.05, 0.5));
    return aimed({0, typed(d.logBetween(300, 3000)), typed(wire * d.between(20, 400)), wire, wire}, d, 1, 30000);
}

// 41, 123 or 271 turns a layer leave 100,000 turns one turn in their last layer; on a wide
// former that turn lowers the inductance below 99,999 turns', and fewer turns may reach a target
// that the most turns allowed do not.
Coil cutLastLayer(Draws& d) {
    const int turnsPerLayer = std::array{41, 123, 271}[d.whole(0, 2)];
    const float former = typed(d.logBetween(300, 3000));
    const float wire = typed(former * d.between(0.05, 0.4) * turnsPerLayer / maxTurns);
    return aimed({0, former, typed(wire * (turnsPerLayer + 0.5)), wire, wire}, d, maxTurns - 4, maxTurns - 1);
}

// Hair-thin wire, enamelled, on a small former: heights, diameters and the lengths of one layer below
// the captions' hundredths, shown as steps of 0.01 mm or as zero.
Coil hairThin(Draws& d) {
    const float wire = typed(d.logBetween(1e-3, 0.02));
    const float outer = typed(wire * d.between(1, 1.25));
    return aimed({0, typed(d.logBetween(0.01, 2)), typed(outer * d.logBetween(1, 3000)), wire, outer}, d, 1, 3000);
}

// Under the sanitizers every coil costs ten times as much: a share of them is drawn.
constexpr int share = TAV20_COIL_SHARE;

// The turns a scan from one turn finds, and the inductance it finds for them (the coil form's for
// h and d0 as their captions show them), or the same failure.
TEST(RandomCoils, FindWhatAScanFromOneTurnFinds) {
    const std::tuple<const char*, Coil (*)(Draws&), int> families[] = {
        {"wideFormer", wideFormer, 1000 / share},
        {"hairThin", hairThin, 1000 / share},
        {"cutLastLayer", cutLastLayer, 40 / share},
    };
    for (const auto& [family, draw, coils] : families) {
        Draws draws{std::mt19937(17)};
        for (int i = 0; i < coils; ++i) {
            const Coil coil = draw(draws);
            SCOPED_TRACE(testing::Message() << family << ": L " << coil.inductance << " D " << coil.former << " l "
                                            << coil.length << " dz " << coil.wire << " dl " << *coil.outer);
            const auto scanned = Definition(coil).scan();
            const auto w = wind(coil);
            ASSERT_EQ(w.has_value(), scanned.has_value());
            if (!w) {
                ASSERT_EQ(w.error().problem, scanned.error());
                continue;
            }
            ASSERT_EQ(w->turns, *scanned);
            ASSERT_EQ(w->inductance, Definition(coil).inductance(w->turns));
        }
    }
}

}  // namespace
}  // namespace winding
