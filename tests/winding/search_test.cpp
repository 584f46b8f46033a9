#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <functional>
#include <limits>
#include <random>
#include <string>

#include "tests/calc/regions.h"
#include "tests/winding/scan.h"
#include "winding/winding.h"

namespace winding {
namespace {

using calc::test::decimalComma;
using calc::test::decimalPoint;

class Draws {
public:
    explicit Draws(unsigned seed) : m_engine(seed) {}

    double between(double low, double high) { return std::uniform_real_distribution<double>(low, high)(m_engine); }
    double logBetween(double low, double high) { return std::exp(between(std::log(low), std::log(high))); }
    int whole(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_engine); }

private:
    std::mt19937 m_engine;
};

// A field as the user types it: a value's text, read back.
float typed(double value) {
    return *calc::readField(calc::numberText(static_cast<float>(value), decimalPoint), decimalPoint);
}

int perLayer(const Coil& coil) { return static_cast<int>(std::floor(double{coil.length} / coil.wire)); }

// Aims the coil at the inductance of some number of its own turns, half the
// time the first turn of a layer, or just above or below it, where an
// off-by-one turn would show.
Coil aimed(Coil coil, Draws& draws, int fewestTurns, int mostTurns) {
    int turns = draws.whole(fewestTurns, mostTurns);
    if (draws.whole(0, 1) == 1) turns = std::min(turns / perLayer(coil) * perLayer(coil) + 1, maxTurns);
    float target = test::inductanceByDefinition(coil, turns).value_or(1.0f);
    const int nudge = draws.whole(-1, 1);
    if (nudge != 0) target = std::nextafter(target, nudge * std::numeric_limits<float>::infinity());
    coil.inductance = std::max(target, std::numeric_limits<float>::denorm_min());
    return coil;
}

// Coils a workshop winds, with any target up to 100 mH.
Coil workshop(Draws& d) {
    return {typed(d.logBetween(1e-3, 100)), typed(d.logBetween(5, 100)), typed(d.logBetween(5, 100)),
            typed(d.between(0.1, 3))};
}

// A wide former under a long winding of thin wire: where a new layer begins,
// its height costs more than the one more turn gives, and the inductance falls.
Coil wideFormer(Draws& d) {
    const float wire = typed(d.logBetween(0.05, 0.5));
    const Coil coil{0, typed(d.logBetween(300, 3000)), typed(wire * d.between(20, 400)), wire};
    return aimed(coil, d, 1, 30000);
}

// 41, 123 or 271 turns a layer leave 100,000 turns one turn in their last
// layer; on a wide former that turn lowers the inductance below 99,999 turns'.
Coil cutLastLayer(Draws& d) {
    const int turnsPerLayer = std::array{41, 123, 271}[d.whole(0, 2)];
    const float former = typed(d.logBetween(300, 3000));
    const float wire = typed(former * d.between(0.05, 0.4) * turnsPerLayer / maxTurns);
    const Coil coil{0, former, typed(wire * (turnsPerLayer + 0.5)), wire};
    return aimed(coil, d, maxTurns - 4, maxTurns - 1);
}

// Hair-thin wire on a small former: heights and diameters below the
// captions' hundredths, shown as steps of 0.01 mm or as zero.
Coil hairThin(Draws& d) {
    const float wire = typed(d.logBetween(1e-3, 0.02));
    const Coil coil{0, typed(d.logBetween(0.01, 2)), typed(wire * d.between(1, 100)), wire};
    return aimed(coil, d, 1, 3000);
}

// Targets no coil of at most 100,000 turns reaches.
Coil tooFar(Draws& d) {
    return {typed(d.logBetween(1e9, 1e12)), typed(d.logBetween(1, 100)), typed(d.logBetween(1, 100)),
            typed(d.between(0.5, 1))};
}

std::string describe(const Coil& c) {
    char text[128];
    std::snprintf(text, sizeof text, "L %.9g D %.9g l %.9g dz %.9g", c.inductance, c.former, c.length, c.wire);
    return text;
}

struct Family {
    const char* name;
    std::function<Coil(Draws&)> draw;
    int coils;
};

void PrintTo(const Family& f, std::ostream* os) { *os << f.name; }

class RandomCoils : public testing::TestWithParam<Family> {};

TEST_P(RandomCoils, FindTheTurnsAScanFromOneTurnFinds) {
    Draws draws(17);
    for (int i = 0; i < GetParam().coils; ++i) {
        const Coil coil = GetParam().draw(draws);
        const auto scanned = test::scanTurns(coil);
        const auto w = wind(coil);
        if (scanned) {
            ASSERT_TRUE(w) << describe(coil);
            ASSERT_EQ(w->turns, *scanned) << describe(coil);
        } else {
            ASSERT_FALSE(w) << describe(coil) << " winds " << w->turns;
            ASSERT_EQ(w.error().problem, scanned.error()) << describe(coil);
        }
    }
}

std::string between(const std::string& text, const std::string& before, const std::string& after) {
    const auto start = text.find(before) + before.size();
    return text.substr(start, text.find(after, start) - start);
}

// Typing N, d0, l and h as the captions show them into the coil form gives
// the window's own inductance caption.
TEST_P(RandomCoils, GiveTheCoilFormsCaption) {
    Draws draws(29);
    for (int i = 0; i < GetParam().coils; ++i) {
        const Coil coil = GetParam().draw(draws);
        const auto w = wind(coil);
        if (!w) continue;
        for (const calc::Region* region : {&decimalComma, &decimalPoint}) {
            const std::string size = sizeCaption(*w, *region);
            const std::string lengthText = calc::numberText(coil.length, *region);
            ASSERT_EQ(calc::readField(lengthText, *region), coil.length);
            const float N = *calc::readField(between(turnsCaption(*w), "N = ", " "), *region);
            const float d0 = *calc::readField(between(size, "do = ", "mm"), *region);
            const float h = *calc::readField(between(size, "h = ", "mm"), *region);
            const auto coilForm = calc::coilInductance(N, d0, *calc::readField(lengthText, *region), h);
            ASSERT_TRUE(coilForm) << describe(coil);
            ASSERT_EQ(coilForm->L, w->inductance) << describe(coil);
            ASSERT_EQ(calc::caption(*coilForm, *region), inductanceCaption(*w, *region)) << describe(coil);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Families, RandomCoils,
                         testing::Values(Family{"workshop", workshop, 1000}, Family{"wideFormer", wideFormer, 1000},
                                         Family{"hairThin", hairThin, 1000}, Family{"cutLastLayer", cutLastLayer, 40},
                                         Family{"tooFar", tooFar, 10}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace winding
