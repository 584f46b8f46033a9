#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "calc/calc.h"
#include "tests/calc/regions.h"

namespace calc {
namespace {

using test::decimalComma;
using test::decimalPoint;
using test::narrowSpaceGroups;

// A field as the form reads it; a test text that is no number fails the test.
float field(std::string_view text, const Region& region) { return readField(text, region).value(); }

using Press = std::function<std::string(const Region&)>;

struct Example {
    const char* name;
    Press press;
    std::string comma;  // the caption under decimal comma and group point
    std::string point;  // the caption under decimal point and group comma
};

void PrintTo(const Example& e, std::ostream* os) { *os << e.name; }

Press lowPass6(const char* fp, const char* z) {
    return [=](const Region& r) { return caption(*lowPass6db(field(fp, r), field(z, r)), r); };
}
Press lowPass12(const char* fp, const char* z) {
    return [=](const Region& r) { return caption(*lowPass12db(field(fp, r), field(z, r)), r); };
}
Press bandPass6(const char* fp1, const char* z) {
    return [=](const Region& r) { return caption(*bandPass6db(field(fp1, r), field(z, r)), r); };
}
Press bandPass12(const char* fp1, const char* fp2, const char* z) {
    return [=](const Region& r) {
        const auto both = captions(*bandPass12db(field(fp1, r), field(fp2, r), field(z, r)), r);
        return both[0] + "|" + both[1];
    };
}
Press highPass6(const char* fp, const char* z) {
    return [=](const Region& r) { return caption(*highPass6db(field(fp, r), field(z, r)), r); };
}
Press highPass12(const char* fp, const char* z) {
    return [=](const Region& r) { return caption(*highPass12db(field(fp, r), field(z, r)), r); };
}
Press coil(const char* n, const char* d0, const char* l, const char* h) {
    return [=](const Region& r) {
        return caption(*coilInductance(field(n, r), field(d0, r), field(l, r), field(h, r)), r);
    };
}
Press wire(const char* i, const char* j) {
    return [=](const Region& r) { return caption(*wireSize(*readFieldDouble(i, r), *readFieldDouble(j, r)), r); };
}
Press section(const char* i, const char* j) {
    return
        [=](const Region& r) { return sectionCaption(*wireSize(*readFieldDouble(i, r), *readFieldDouble(j, r)), r); };
}

class Caption : public testing::TestWithParam<Example> {};

TEST_P(Caption, UnderDecimalComma) { EXPECT_EQ(GetParam().press(decimalComma), GetParam().comma); }
TEST_P(Caption, UnderDecimalPoint) { EXPECT_EQ(GetParam().press(decimalPoint), GetParam().point); }
TEST_P(Caption, UnderNarrowSpaceGroups) { EXPECT_EQ(GetParam().press(narrowSpaceGroups), GetParam().comma); }

auto byName = [](const auto& info) { return std::string(info.param.name); };

// The forms' default texts give the worked examples.
INSTANTIATE_TEST_SUITE_P(
    DefaultTexts, Caption,
    testing::Values(
        Example{"woofer6db", lowPass6("500", "4"), " L = 1,27mH", " L = 1.27mH"},
        Example{"woofer12db", lowPass12("500", "4"), " L = 1,8mH    C = 56uF", " L = 1.8mH    C = 56uF"},
        Example{"midrange6db", bandPass6("500", "4"), " L = 0,32mH    C = 79,5uF", " L = 0.32mH    C = 79.5uF"},
        Example{"midrange12db", bandPass12("500", "5000", "4"), "L1 = 1,8mH  C1 = 56uF|L2 = 0,18mH  C2 = 5,6uF",
                "L1 = 1.8mH  C1 = 56uF|L2 = 0.18mH  C2 = 5.6uF"},
        Example{"tweeter6db", highPass6("5000", "4"), "    C = 7,95uF", "    C = 7.95uF"},
        Example{"tweeter12dbReadsZ45UnderPoint", highPass12("5000", "4,5"), " L = 0,2mH    C = 4,98uF",
                " L = 2.03mH    C = 0.5uF"},
        Example{"coil", coil("80", "34", "20", "4"), "L = 0,18mH", "L = 0.18mH"},
        Example{"wire", wire("5", "2"), "1,78 mm debljuna zice", "1.78 mm debljuna zice"},
        Example{"wireSection", section("5", "2"), "2,5 mm kvadratnbih", "2.5 mm kvadratnbih"}),
    byName);

// Rounding, signs, kinds and forms of the written numbers inside captions.
INSTANTIATE_TEST_SUITE_P(
    EdgeCases, Caption,
    testing::Values(Example{"exactEighthGoesToEvenDown", lowPass6("1272", "1"), " L = 0,12mH", " L = 0.12mH"},
                    Example{"exactEighthGoesToEvenUp", lowPass6("424", "1"), " L = 0,38mH", " L = 0.38mH"},
                    Example{"singleValueDecidesTheHalf", highPass12("5000", "45"), " L = 2,03mH    C = 0,5uF",
                            " L = 2.03mH    C = 0.5uF"},
                    Example{"zeroImpedanceWithoutCapacitor", lowPass6("500", "0"), " L = 0mH", " L = 0mH"},
                    Example{"negativeFieldAccepted", lowPass6("-500", "4"), " L = -1,27mH", " L = -1.27mH"},
                    Example{"blanksAroundField", lowPass6(" 500 ", "4"), " L = 1,27mH", " L = 1.27mH"},
                    Example{"singleInExponentForm", lowPass6("1E-3", "100"), " L = 1,59E+07mH", " L = 1.59E+07mH"},
                    Example{"doubleCapacitorKeepsDigits", highPass12("1E-3", "1"),
                            " L = 225000mH    C = 111999994,68uF", " L = 225000mH    C = 111999994.68uF"},
                    Example{"narrowedCapacitor", lowPass12("1E-3", "1"), " L = 225000mH    C = 1,12E+08uF",
                            " L = 225000mH    C = 1.12E+08uF"},
                    Example{"midrangeCapacitorsAreDoubles", bandPass12("1E-3", "1E-2", "1"),
                            "L1 = 225000mH  C1 = 111999994,68uF|L2 = 22500mH  C2 = 11200000,25uF",
                            "L1 = 225000mH  C1 = 111999994.68uF|L2 = 22500mH  C2 = 11200000.25uF"},
                    Example{"coilFactorIs786", coil("60", "60", "5", "4"), "L = 0,38mH", "L = 0.38mH"},
                    Example{"largeCoil", coil("1000", "100", "50", "20"), "L = 82,74mH", "L = 82.74mH"},
                    Example{"coilWithoutTurns", coil("0", "34", "20", "4"), "L = 0mH", "L = 0mH"},
                    Example{"coilTurnsEnterSquared", coil("-80", "34", "20", "4"), "L = 0,18mH", "L = 0.18mH"},
                    Example{"coilNegativeDenominator", coil("80", "34", "-20", "4"), "L = -1,53mH", "L = -1.53mH"},
                    Example{"wireNarrowedSection", wire("5", "3"), "1,46 mm debljuna zice", "1.46 mm debljuna zice"},
                    Example{"wireCircleIs314", wire("50", "1,5"), "6,52 mm debljuna zice", "2.06 mm debljuna zice"},
                    Example{"wireWithoutCurrent", wire("0", "2"), "0 mm debljuna zice", "0 mm debljuna zice"},
                    Example{"wireBothNegative", wire("-5", "-2"), "1,78 mm debljuna zice", "1.78 mm debljuna zice"},
                    Example{"wireNegativeZeroCurrent", wire("-0", "2"), "0 mm debljuna zice", "0 mm debljuna zice"},
                    Example{"sectionUnrounded", section("5", "3"), "1,666667 mm kvadratnbih",
                            "1.666667 mm kvadratnbih"}),
    byName);

struct Stop {
    const char* name;
    std::function<std::optional<Failure>()> press;
    Failure failure;
};

void PrintTo(const Stop& s, std::ostream* os) { *os << s.name; }

template <class T>
std::optional<Failure> failureOf(const Result<T>& result) {
    if (result) return std::nullopt;
    return result.error();
}

class Stops : public testing::TestWithParam<Stop> {};

TEST_P(Stops, WithItsFailure) { EXPECT_EQ(GetParam().press(), GetParam().failure); }

constexpr float tiny = 1e-40f;  // subnormal single

// A zero divisor, a step beyond the single range (of either kind) or a
// negative root ends the operation with no values at all.
INSTANTIATE_TEST_SUITE_P(
    Failures, Stops,
    testing::Values(
        Stop{"zeroFrequency", [] { return failureOf(lowPass6db(0, 4)); }, Failure::DivisionByZero},
        Stop{"zeroOverZero", [] { return failureOf(lowPass6db(0, 0)); }, Failure::DivisionByZero},
        Stop{"zeroImpedanceWithCapacitor", [] { return failureOf(lowPass12db(500, 0)); }, Failure::DivisionByZero},
        Stop{"midrangeZeroImpedance", [] { return failureOf(bandPass6db(500, 0)); }, Failure::DivisionByZero},
        Stop{"midrangeZeroUpperFrequency", [] { return failureOf(bandPass12db(500, 0, 4)); }, Failure::DivisionByZero},
        Stop{"tweeterZeroFrequency", [] { return failureOf(highPass6db(0, 4)); }, Failure::DivisionByZero},
        Stop{"tweeterZeroImpedance", [] { return failureOf(highPass12db(5000, 0)); }, Failure::DivisionByZero},
        Stop{"productUnderflowsToZeroDivisor", [] { return failureOf(highPass6db(1e-30f, 1e-30f)); },
             Failure::DivisionByZero},
        Stop{"singleProductOverflows", [] { return failureOf(lowPass6db(500, 3e38f)); }, Failure::Overflow},
        Stop{"singleQuotientOverflows", [] { return failureOf(lowPass6db(1e-30f, 1e10f)); }, Failure::Overflow},
        Stop{"narrowedCapacitorOverflows", [] { return failureOf(lowPass12db(1, tiny)); }, Failure::Overflow},
        Stop{"doubleCapacitorBeyondSingleRange", [] { return failureOf(bandPass12db(tiny, 5000, 1)); },
             Failure::Overflow},
        Stop{"tweeterDoubleCapacitorBeyondSingleRange", [] { return failureOf(highPass12db(tiny, 1)); },
             Failure::Overflow},
        Stop{"coilZeroDenominator", [] { return failureOf(coilInductance(80, 0, 0, 0)); }, Failure::DivisionByZero},
        Stop{"coilTurnsSquaredOverflow", [] { return failureOf(coilInductance(1e20f, 34, 20, 4)); }, Failure::Overflow},
        Stop{"coilDoubleNumeratorBeyondSingleRange", [] { return failureOf(coilInductance(100, 1e18f, 20, 4)); },
             Failure::Overflow},
        Stop{"wireZeroDensity", [] { return failureOf(wireSize(5, 0)); }, Failure::DivisionByZero},
        Stop{"wireZeroOverZero", [] { return failureOf(wireSize(0, 0)); }, Failure::DivisionByZero},
        Stop{"wireSectionBeyondSingleRange", [] { return failureOf(wireSize(1e39, 1)); }, Failure::Overflow},
        Stop{"wireFourSectionsOverflow", [] { return failureOf(wireSize(1e38, 1)); }, Failure::Overflow},
        Stop{"wireOppositeSigns", [] { return failureOf(wireSize(-5, 2)); }, Failure::NegativeRoot}),
    byName);

}  // namespace
}  // namespace calc
