#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "tests/calc/regions.h"
#include "winding/winding.h"

namespace winding {
namespace {

using calc::test::decimalComma;
using calc::test::decimalPoint;

struct Suggestion {
    const char* name;
    double power;
    double impedance;
    double density;
    std::string caption;  // under a decimal comma
    double roundedUp;
};

void PrintTo(const Suggestion& s, std::ostream* os) { *os << s.name; }

class WireSuggestions : public testing::TestWithParam<Suggestion> {};

TEST_P(WireSuggestions, SizeTheWireAndRoundItUpToATenth) {
    const Suggestion& s = GetParam();
    const auto wire = suggestWire(s.power, s.impedance, s.density);
    ASSERT_TRUE(wire);
    EXPECT_EQ(caption(*wire, decimalComma), s.caption);
    EXPECT_EQ(wire->roundedUp, s.roundedUp);
}

// The power is chosen so that I = sqrt(P) is the wire-gauge form's current
// for the diameter named.
INSTANTIATE_TEST_SUITE_P(
    ByCurrentAndDensity, WireSuggestions,
    testing::Values(Suggestion{"coilFormsText", 100, 4, 3, "I = 5A  d = 1,46mm", 1.5},
                    Suggestion{"wireFormsExample", 100, 4, 2, "I = 5A  d = 1,78mm", 1.8},
                    Suggestion{"shownTenthStays", 3.11963906, 1, 1, "I = 1,77A  d = 1,5mm", 1.5},
                    Suggestion{"hundredthAboveATenthRoundsUp", 2.4355, 1, 1, "I = 1,56A  d = 1,41mm", 1.5},
                    Suggestion{"unshownThousandthsDoNotRoundUp", 3.13629, 1, 1, "I = 1,77A  d = 1,5mm", 1.5},
                    Suggestion{"noPowerNoWire", 0, 8, 3, "I = 0A  d = 0mm", 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Suggestions, UnderDecimalPoint) {
    EXPECT_EQ(caption(*suggestWire(100, 4, 3), decimalPoint), "I = 5A  d = 1.46mm");
}

struct Stop {
    const char* name;
    double power;
    double impedance;
    double density;
    Failure failure;
};

void PrintTo(const Stop& s, std::ostream* os) { *os << s.name; }

class WireStops : public testing::TestWithParam<Stop> {};

TEST_P(WireStops, NameTheFieldToFix) {
    const auto wire = suggestWire(GetParam().power, GetParam().impedance, GetParam().density);
    ASSERT_FALSE(wire);
    EXPECT_EQ(wire.error(), GetParam().failure);
}

constexpr double nan = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(Failures, WireStops,
                         testing::Values(Stop{"negativePower", -100, 4, 3, {Problem::Negative, Field::Power}},
                                         Stop{"powerNotANumber", nan, 4, 3, {Problem::Negative, Field::Power}},
                                         Stop{"zeroImpedance", 100, 0, 3, {Problem::NotPositive, Field::Impedance}},
                                         Stop{
                                             "negativeImpedance", 100, -4, 3, {Problem::NotPositive, Field::Impedance}},
                                         Stop{"zeroDensity", 100, 4, 0, {Problem::NotPositive, Field::Density}},
                                         Stop{"hugePower", 2e38, 0.5, 3, {Problem::Overflow, Field::Power}},
                                         Stop{"tinyImpedance", 100, 1e-38, 3, {Problem::Overflow, Field::Impedance}},
                                         Stop{"tinyDensity", 100, 4, 1e-40, {Problem::Overflow, Field::Density}}),
                         [](const auto& info) { return std::string(info.param.name); });

struct Loss {
    const char* name;
    double impedance;
    double resistance;
    std::string caption;
};

void PrintTo(const Loss& l, std::ostream* os) { *os << l.name; }

class Losses : public testing::TestWithParam<Loss> {};

TEST_P(Losses, InSeriesWithTheLoudspeaker) {
    EXPECT_EQ(lossCaption(seriesLoss(GetParam().impedance, GetParam().resistance), decimalComma), GetParam().caption);
}

INSTANTIATE_TEST_SUITE_P(Levels, Losses,
                         testing::Values(Loss{"noResistanceNoLoss", 4, 0, "gubitak na kalemu 0 dB"},
                                         Loss{"equalResistanceHalvesTheVoltage", 8, 8, "gubitak na kalemu -6,02 dB"},
                                         Loss{"oneOhmOnFour", 4, 1, "gubitak na kalemu -1,94 dB"},
                                         Loss{"noUnderflowOfTheRatio", 1e-300, 1e30, "gubitak na kalemu -6600 dB"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace winding
