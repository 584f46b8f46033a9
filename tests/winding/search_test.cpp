#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <expected>
#include <limits>
#include <optional>
#include <random>
#include <tuple>

#include "tests/calc/regions.h"
#include "winding/winding.h"

#ifndef TAV20_COIL_SHARE
#define TAV20_COIL_SHARE 1
#endif

// Random coils against the winding's definition taken turn by turn.
namespace winding {
namespace {

using calc::test::decimalComma;
using calc::test::decimalPoint;

int perLayer(const Coil& coil) { return static_cast<int>(std::min(std::floor(double{coil.length} / coil.wire), 1e9)); }

// What a caption shows: its text read back, under a decimal comma (the library writes its
// captions in a region of its own: they must not depend on it).
float shown(float value) {
    return *calc::readField(calc::numberText(calc::roundTo2(value), decimalComma), decimalComma);
}

// The winding's definition taken turn by turn, the yardstick for the search: N turns in full
// layers of the winding length, with h and d0 as their captions show them.
class Definition {
public:
    explicit Definition(const Coil& coil) : m_coil(coil) {}

    // Nothing if a step overflows. Each layer's h and d0 serve its turns in turn.
    std::optional<float> inductance(int turns) {
        const int layers = (turns + perLayer(m_coil) - 1) / perLayer(m_coil);
        if (layers != m_layers) {
            m_layers = layers;
            const float h = static_cast<float>(layers) * m_coil.wire, d0 = m_coil.former + h;
            m_stack = std::isfinite(d0) ? std::optional(std::array{shown(h), shown(d0)}) : std::nullopt;
        }
        if (!m_stack) return std::nullopt;
        const auto L = calc::coilInductance(static_cast<float>(turns), (*m_stack)[1], m_coil.length, (*m_stack)[0]);
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
    int m_layers = 0;
    std::optional<std::array<float, 2>> m_stack;  // h, d0
};

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
    if (draws.whole(0, 1) == 1) turns = std::min(turns / perLayer(coil) * perLayer(coil) + 1, maxTurns);
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
    return aimed({0, typed(d.logBetween(300, 3000)), typed(wire * d.between(20, 400)), wire}, d, 1, 30000);
}

// 41, 123 or 271 turns a layer leave 100,000 turns one turn in their last layer; on a wide
// former that turn lowers the inductance below 99,999 turns', and fewer turns may reach a target
// that the most turns allowed do not.
Coil cutLastLayer(Draws& d) {
    const int turnsPerLayer = std::array{41, 123, 271}[d.whole(0, 2)];
    const float former = typed(d.logBetween(300, 3000));
    const float wire = typed(former * d.between(0.05, 0.4) * turnsPerLayer / maxTurns);
    return aimed({0, former, typed(wire * (turnsPerLayer + 0.5)), wire}, d, maxTurns - 4, maxTurns - 1);
}

// Hair-thin wire on a small former: heights and diameters below the
// captions' hundredths, shown as steps of 0.01 mm or as zero.
Coil hairThin(Draws& d) {
    const float wire = typed(d.logBetween(1e-3, 0.02));
    return aimed({0, typed(d.logBetween(0.01, 2)), typed(wire * d.between(1, 100)), wire}, d, 1, 3000);
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
                                            << coil.length << " dz " << coil.wire);
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
