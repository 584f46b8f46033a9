#include "winding/winding.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <expected>
#include <limits>
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

// What a caption shows: its text read back.
float shown(float value) {
    return *calc::readField(calc::numberText(calc::roundTo2(value), decimalComma), decimalComma);
}

// The winding's definition taken turn by turn, the yardstick for the search: N turns side by side at the pitch
// dl, in full layers of the winding length, one layer as long as its turns lie, h and d0 as their captions show
// them. Nothing where a step overflows.
class Definition {
public:
    explicit Definition(const Coil& coil)
        : perLayer(static_cast<int>(std::min(std::floor(double{coil.length} / *coil.outer), 1e9))), m_coil(coil) {}

    std::optional<float> inductance(int turns) {
        const int layers = (turns + perLayer - 1) / perLayer;
        const float h = static_cast<float>(layers) * *m_coil.outer, d0 = m_coil.former + h;
        if (!std::isfinite(d0)) return std::nullopt;
        if (layers != m_layers) m_layers = layers, m_stack = {shown(h), shown(d0)};  // each layer's, for its turns
        const float l = layers == 1 ? shown(static_cast<float>(turns) * *m_coil.outer) : m_coil.length;
        const auto L = calc::coilInductance(static_cast<float>(turns), m_stack[1], l, m_stack[0]);
        return L ? std::optional(L->L) : std::nullopt;
    }

    // Counting up from one turn: the first coil that reaches the target, or the failure.
    std::expected<int, Problem> scan() {
        for (int turns = 1; turns <= maxTurns; ++turns) {
            const auto L = inductance(turns);
            if (!L) return std::unexpected(Problem::Overflow);
            if (*L >= m_coil.inductance) return turns;
        }
        return std::unexpected(Problem::Unreachable);
    }

    const int perLayer;

private:
    Coil m_coil;
    int m_layers = 0;
    std::array<float, 2> m_stack{};  // h, d0
};

// Coils typed into the window's fields, under either region: the coil form's own example, 18 turns a layer of
// enamelled 1 mm wire, or 20 of the bare wire; turns that fit one layer, as long as they lie; a thin wire's
// resistance, of annealed copper at 20 degrees; a wire as thick as the winding is long, a turn a layer.
TEST(Wind, TypedCoils) {
    // clang-format off
    const std::tuple<std::array<const char*, 5>, const char*> coils[] = {
        {{"0,18", "30", "20", "1", ""}, "N = 79 namotaja (5 slojeva po 18, u poslednjem 7)|h = 5,31mm  do = 35,31mm|L = 0,18mH|zica 8,62m  R = 0,19 oma (20 °C)  60,16g"},
        {{"0,18", "30", "20", "1", "1"}, "N = 80 namotaja (4 sloja po 20)|h = 4mm  do = 34mm|L = 0,18mH|zica 8,55m  R = 0,19 oma (20 °C)  59,66g"},
        {{"0,05", "30", "20", "0,2", ""}, "N = 34 namotaja (1 sloj)|h = 0,23mm  do = 30,23mm  l = 7,68mm|L = 0,05mH|zica 3,23m  R = 1,77 oma (20 °C)  0,9g"},
        {{"68", "40", "60", "0,25", ""}, "N = 1821 namotaj (9 slojeva po 213, u poslednjem 117)|h = 2,53mm  do = 42,53mm|L = 68,04mH|zica 242,62m  R = 85,22 oma (20 °C)  105,88g"},
        {{"0,18", "30", "20", "18", "20"}, "N = 24 namotaja (24 sloja po 1)|h = 480mm  do = 510mm|L = 0,18mH|zica 38,45m  R = 0 oma (20 °C)  86989,72g"},
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

// Turns a layer from the decimals typed: as singles, 0.8 is 0.800000012 and 20 / 0.8 falls short of 25.
TEST(Wind, TurnsPerLayerOfTheTypedDecimals) {
    const std::tuple<float, float, int> layers[] = {{20, 0.8f, 25},     {20, 0.4f, 50},      {40, 1.6f, 25},
                                                    {2000, 0.8f, 2500}, {0.02f, 0.001f, 20}, {20, 0.7f, 28}};
    for (const auto& [l, pitch, k] : layers)
        EXPECT_EQ(wind({0.18f, 30, l, pitch, pitch})->perLayer, k) << l << " / " << pitch;
}

// The grade 1 overall diameter: the sizes of the table, the increment interpolated between them, the thinnest
// size's ratio below the table and the thickest size's increment above it.
TEST(Wind, OverallDiameterOfGradeOne) {
    const std::pair<float, float> sizes[] = {{0.02f, 0.024f}, {0.8f, 0.855f},  {1, 1.062f}, {5, 5.093f},
                                             {1.5f, 1.569f},  {0.01f, 0.012f}, {10, 10.09f}};
    for (const auto& [copper, overall] : sizes) EXPECT_EQ(overallDiameter(copper), overall) << copper;
}

// Each failure names the field to fix: the coil's L, D, l, dz, dl (the last of five), or the wire's P, Z, J.
TEST(Failures, NameTheFieldToFix) {
    constexpr double infinity = INFINITY;
    using enum Problem;
    using enum Field;
    const std::tuple<const char*, std::vector<double>, BadField> stops[] = {
        {"zeroTarget", {0, 30, 20, 1}, {NotPositive, Inductance}},
        {"infiniteTarget", {infinity, 30, 20, 1}, {NotPositive, Inductance}},
        {"negativeFormer", {0.18, -30, 20, 1}, {NotPositive, Former}},
        {"zeroLength", {0.18, 30, 0, 1}, {NotPositive, Length}},
        {"firstOfSeveralFieldsNamed", {0.18, 0, 0, 0}, {NotPositive, Former}},
        {"zeroOuter", {0.18, 30, 20, 1, 0}, {NotPositive, Outer}},
        {"outerBelowCopper", {0.18, 30, 20, 1, 0.99}, {OuterBelowCopper, Outer}},
        {"enamelledWireThickerThanLength", {0.18, 30, 20, 19.95}, {WireThickerThanLength, Wire}},
        {"typedOuterThickerThanLength", {0.18, 30, 20, 19, 20.5}, {WireThickerThanLength, Outer}},
        {"layerHoldsTooManyTurns", {0.18, 30, 100001, 1, 1}, {LayerTooLong, Length}},
        {"targetBeyondAnyCoil", {1e12, 30, 20, 1}, {Unreachable, Inductance}},
        {"oneLongLayerTooWeak", {1000, 1, 100, 0.001, 0.001}, {Unreachable, Inductance}},
        {"formerSquaredOverflows", {0.18, 1e19, 20, 1}, {Overflow, Former}},
        {"formerOverflowsBeforeTheTarget", {1e30, 1e17, 20, 1}, {Overflow, Former}},
        {"heightOverflows", {0.18, 1, 3.4e38, 3e38}, {Overflow, Wire}},
        {"typedOuterHeightOverflows", {0.18, 1, 3.4e38, 1, 3e38}, {Overflow, Outer}},
        {"thinWireResistanceOverflows", {0.001, 30, 1e-17, 1e-21}, {Overflow, Wire}},
        {"thickWireMassOverflows", {1, 1, 1e15, 1e15}, {Overflow, Wire}},
        {"negativePower", {-100, 4, 3}, {Negative, Power}},
        {"zeroImpedance", {100, 0, 3}, {NotPositive, Impedance}},
        {"zeroDensity", {100, 4, 0}, {NotPositive, Density}},
        {"noPowerNoWire", {0, 4, 3}, {BelowThinnestWire, Power}},
        {"denseCurrentThinnestWire", {100, 4, 1e6}, {BelowThinnestWire, Density}},
        {"justAboveTheThickestWire", {3482, 1, 3}, {AboveThickestWire, Power}},
        {"tinyImpedanceCurrentBeyondSingles", {100, 1e-38, 3}, {AboveThickestWire, Impedance}},
        {"tinyDensityWireBeyondSingles", {100, 4, 1e-40}, {AboveThickestWire, Density}},
    };
    const auto failureOf = [](const auto& outcome) { return outcome ? std::nullopt : std::optional(outcome.error()); };
    for (const auto& [name, f, failure] : stops) {
        const auto outer = f.size() == 5 ? std::optional(float(f[4])) : std::nullopt;
        EXPECT_EQ(f.size() > 3 ? failureOf(wind({float(f[0]), float(f[1]), float(f[2]), float(f[3]), outer}))
                               : failureOf(suggestWire(f[0], f[1], f[2])),
                  failure)
            << name;
    }
}

// Serbian counts: 1, 21, 101 take the first form; 2-4, 22-24, 122-124 the second; the rest, 11-14 and 111-114
// among them, the third. One layer has no turns per layer.
TEST(Captions, PluralsWireAndLoss) {
    const std::tuple<int, int, int, int, std::string> counts[] = {
        {1, 20, 1, 1, "N = 1 namotaj (1 sloj)"},
        {21, 20, 2, 1, "N = 21 namotaj (2 sloja po 20, u poslednjem 1)"},
        {11, 1, 11, 1, "N = 11 namotaja (11 slojeva po 1)"},
        {14, 1, 14, 1, "N = 14 namotaja (14 slojeva po 1)"},
        {111, 1, 111, 1, "N = 111 namotaja (111 slojeva po 1)"},
        {124, 1, 124, 1, "N = 124 namotaja (124 sloja po 1)"},
    };
    for (const auto& [turns, perLayer, layers, lastLayer, caption] : counts) {
        Winding w{};
        std::tie(w.turns, w.perLayer, w.layers, w.lastLayer) = std::tie(turns, perLayer, layers, lastLayer);
        EXPECT_EQ(turnsCaption(w), caption);
    }
    // The wire for an amplifier's power into the loudspeaker, rounded up to the next tenth of a mm as the caption
    // shows it, up to the thickest wire; each power makes I = sqrt(P) the wire-gauge form's current for its d.
    const std::tuple<const char*, double, double, double, std::string, double> suggestions[] = {
        {"coilFormsText", 100, 4, 3, "I = 5A  d = 1,46mm", 1.5},
        {"shownTenthStays", 3.11963906, 1, 1, "I = 1,77A  d = 1,5mm", 1.5},
        {"unshownThousandthsDoNotRoundUp", 3.13629, 1, 1, "I = 1,77A  d = 1,5mm", 1.5},
        {"thickestWire", 3480, 1, 3, "I = 58,99A  d = 5mm", 5},
    };
    for (const auto& [name, power, impedance, density, shown, roundedUp] : suggestions) {
        const auto wire = suggestWire(power, impedance, density);
        ASSERT_TRUE(wire) << name;
        EXPECT_EQ(std::tuple(caption(*wire, decimalPoint), wire->roundedUp),
                  std::tuple(in(shown, decimalPoint), roundedUp))
            << name;
    }
    const auto loss = [](double Z, double R) { return lossCaption(seriesLoss(Z, R), decimalComma); };
    EXPECT_EQ(loss(4, 0), "gubitak na kalemu 0 dB");
    EXPECT_EQ(loss(8, 8), "gubitak na kalemu -6,02 dB");          // half the voltage
    EXPECT_EQ(loss(1e-300, 1e30), "gubitak na kalemu -6600 dB");  // no underflow of the ratio
    Winding tenMetres{};
    tenMetres.wireLength = 10;
    EXPECT_EQ(cutCaption(tenMetres, decimalComma), "iseci 11,3m (10 % vise i 2 x 15cm za izvode)");
    EXPECT_EQ(inductanceText(0.1805945f, decimalComma) + " " + inductanceText(1.234567e-5f, decimalPoint),
              "0,1806 1.235E-05");  // four significant digits, so that one turn shows
}

struct Draws {
    std::mt19937 engine;
    double between(double low, double high) { return std::uniform_real_distribution<double>(low, high)(engine); }
    double logBetween(double low, double high) { return std::exp(between(std::log(low), std::log(high))); }
    int whole(int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine); }
    // A field as the user types it: a value's text, read back.
    float typed(double value) {
        return *calc::readField(calc::numberText(static_cast<float>(value), decimalPoint), decimalPoint);
    }
};

// Aims the coil at the inductance of some number of its own turns, half the time the first turn of a layer, or
// just above or below it, where an off-by-one turn would show.
Coil aimed(Coil coil, Draws& draws, int fewestTurns, int mostTurns) {
    Definition definition(coil);
    int turns = draws.whole(fewestTurns, mostTurns);
    if (draws.whole(0, 1) == 1) turns = std::min(turns / definition.perLayer * definition.perLayer + 1, maxTurns);
    float target = definition.inductance(turns).value_or(1.0f);
    if (const int nudge = draws.whole(-1, 1)) target = std::nextafter(target, nudge * INFINITY);
    coil.inductance = std::max(target, std::numeric_limits<float>::denorm_min());
    return coil;
}

// A wide former under a long winding of thin wire: where a new layer begins, its height costs more than the one
// more turn gives, and the inductance falls.
Coil wideFormer(Draws& d) {
    const float wire = d.typed(d.logBetween(0.05, 0.5));
    return aimed({0, d.typed(d.logBetween(300, 3000)), d.typed(wire * d.between(20, 400)), wire, wire}, d, 1, 30000);
}

// 41, 123 or 271 turns a layer leave 100,000 turns one turn in their last layer; on a wide former that turn
// lowers the inductance below 99,999 turns', and fewer turns may reach a target that the most allowed do not.
Coil cutLastLayer(Draws& d) {
    const int turnsPerLayer = std::array{41, 123, 271}[d.whole(0, 2)];
    const float former = d.typed(d.logBetween(300, 3000));
    const float wire = d.typed(former * d.between(0.05, 0.4) * turnsPerLayer / maxTurns);
    return aimed({0, former, d.typed(wire * (turnsPerLayer + 0.5)), wire, wire}, d, maxTurns - 4, maxTurns - 1);
}

// Hair-thin enamelled wire on a small former: heights, diameters and the length of one layer below the
// captions' hundredths, shown as steps of 0.01 mm or as zero, where one more turn may lower the inductance.
Coil hairThin(Draws& d) {
    const float wire = d.typed(d.logBetween(1e-3, 0.02)), outer = d.typed(wire * d.between(1, 1.25));
    return aimed({0, d.typed(d.logBetween(0.01, 2)), d.typed(outer * d.logBetween(1, 3000)), wire, outer}, d, 1, 3000);
}

// Under the sanitizers every coil costs ten times as much: a share of them is drawn.
constexpr int share = TAV20_COIL_SHARE;

// The turns a scan from one turn finds and the inductance it finds for them, or the same failure; and the coils
// N - 2 to N + 2 around them, of 1 to maxTurns turns and in range, as the definition winds them.
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
            Definition definition(coil);
            const auto scanned = definition.scan();
            const auto w = wind(coil);
            ASSERT_EQ((w ? std::expected<int, Problem>(w->turns) : std::unexpected(w.error().problem)), scanned);
            if (!w) continue;
            std::vector<std::tuple<int, int, float>> around, defined;
            for (const Neighbour& n : w->around) around.emplace_back(n.turns, n.layers, n.inductance);
            for (int N = std::max(w->turns - 2, 1); N <= std::min(w->turns + 2, maxTurns); ++N)
                if (const auto L = definition.inductance(N))
                    defined.emplace_back(N, (N + definition.perLayer - 1) / definition.perLayer, *L);
            ASSERT_EQ(around, defined);
            ASSERT_EQ(w->inductance, definition.inductance(w->turns));
        }
    }
}

}  // namespace
}  // namespace winding
