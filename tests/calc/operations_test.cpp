#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

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

// A divisor as a message would name it, in the operation's own symbols.
std::string shown(const Expression& divisor, std::vector<std::string> symbols) {
    std::string text;
    for (int i = 0; i < divisor.count; ++i) {
        const Term& term = divisor.terms[i];
        if (i > 0) text += " + ";
        if (term.coefficient != 1) text += std::to_string(term.coefficient) + "*";
        std::string product;
        for (std::size_t k = 0; k < symbols.size(); ++k)
            if (term.inputs & (1u << k)) product += (product.empty() ? "" : "*") + symbols[k];
        text += product;
    }
    return text;
}

struct Stop {
    const char* name;
    std::function<std::optional<Fault>()> press;
    std::vector<std::string> symbols;  // the operation's inputs, in order
    Failure failure;
    std::string input;    // the input the fault points at
    std::string divisor;  // a zero divisor as formed, else empty
    bool underflow = false;
};

void PrintTo(const Stop& s, std::ostream* os) { *os << s.name; }

template <class T>
std::optional<Fault> faultOf(const Outcome<T>& outcome) {
    if (outcome) return std::nullopt;
    return outcome.error();
}

class Stops : public testing::TestWithParam<Stop> {};

TEST_P(Stops, AtTheStepThatFails) {
    const Stop& stop = GetParam();
    const std::optional<Fault> fault = stop.press();
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->kind, stop.failure);
    EXPECT_EQ(stop.symbols.at(fault->input), stop.input);
    EXPECT_EQ(shown(fault->divisor, stop.symbols), stop.divisor);
    EXPECT_EQ(fault->underflow, stop.underflow);
}

const std::vector<std::string> crossover{"Fp", "Z"};
const std::vector<std::string> midrange12{"Fp1", "Fp2", "Z"};
const std::vector<std::string> coilInputs{"N", "do", "l", "h"};
const std::vector<std::string> wireInputs{"I", "J"};
constexpr float tiny = 1e-40f;  // subnormal single

// A zero divisor names the field that is zero, or the expression that is;
// a product of non-zero fields too small to hold is named as a product.
INSTANTIATE_TEST_SUITE_P(
    ZeroDivisors, Stops,
    testing::Values(
        Stop{"zeroFrequency", [] { return faultOf(lowPass6db(0, 4)); }, crossover, Failure::DivisionByZero, "Fp", "Fp"},
        Stop{"zeroOverZero", [] { return faultOf(lowPass6db(0, 0)); }, crossover, Failure::DivisionByZero, "Fp", "Fp"},
        Stop{"zeroImpedanceWithCapacitor", [] { return faultOf(lowPass12db(500, 0)); }, crossover,
             Failure::DivisionByZero, "Z", "Fp*Z"},
        Stop{"midrangeZeroImpedance", [] { return faultOf(bandPass6db(500, 0)); }, crossover, Failure::DivisionByZero,
             "Z", "Fp*Z"},
        Stop{"midrangeZeroUpperFrequency", [] { return faultOf(bandPass12db(500, 0, 4)); }, midrange12,
             Failure::DivisionByZero, "Fp2", "Fp2"},
        Stop{"tweeterZeroFrequency", [] { return faultOf(highPass6db(0, 4)); }, crossover, Failure::DivisionByZero,
             "Fp", "Fp*Z"},
        Stop{"tweeterZeroImpedance", [] { return faultOf(highPass12db(5000, 0)); }, crossover, Failure::DivisionByZero,
             "Z", "Fp*Z"},
        Stop{"productTooSmallToHold", [] { return faultOf(highPass12db(1e-30f, 1e-20f)); }, crossover,
             Failure::DivisionByZero, "Fp", "Fp*Z", true},
        Stop{"coilAllZero", [] { return faultOf(coilInductance(0, 0, 0, 0)); }, coilInputs, Failure::DivisionByZero,
             "do", "3*do + 9*l + 10*h"},
        Stop{"coilSumCancels", [] { return faultOf(coilInductance(80, 10, 0, -3)); }, coilInputs,
             Failure::DivisionByZero, "do", "3*do + 9*l + 10*h"},
        Stop{"wireZeroDensity", [] { return faultOf(wireSize(5, 0)); }, wireInputs, Failure::DivisionByZero, "J", "J"},
        Stop{"wireZeroOverZero", [] { return faultOf(wireSize(0, 0)); }, wireInputs, Failure::DivisionByZero, "J",
             "J"}),
    byName);

// A step beyond the single range, of either kind, names the input that
// drives it there: by being large in a product, small as a divisor.
INSTANTIATE_TEST_SUITE_P(
    Overflows, Stops,
    testing::Values(
        Stop{"singleProduct", [] { return faultOf(lowPass6db(500, 3e38f)); }, crossover, Failure::Overflow, "Z", ""},
        Stop{"singleQuotientBySmallFrequency", [] { return faultOf(lowPass6db(1e-30f, 1e10f)); }, crossover,
             Failure::Overflow, "Fp", ""},
        Stop{"singleQuotientByLargeImpedance", [] { return faultOf(lowPass6db(1e-5f, 1e36f)); }, crossover,
             Failure::Overflow, "Z", ""},
        Stop{"narrowedCapacitor", [] { return faultOf(lowPass12db(1, tiny)); }, crossover, Failure::Overflow, "Z", ""},
        Stop{"doubleCapacitorBeyondSingleRange", [] { return faultOf(bandPass12db(tiny, 5000, 1)); }, midrange12,
             Failure::Overflow, "Fp1", ""},
        Stop{"tweeterDoubleCapacitor", [] { return faultOf(highPass12db(tiny, 1)); }, crossover, Failure::Overflow,
             "Fp", ""},
        Stop{"coilTurnsSquared", [] { return faultOf(coilInductance(1e20f, 34, 20, 4)); }, coilInputs,
             Failure::Overflow, "N", ""},
        Stop{"coilDoubleNumerator", [] { return faultOf(coilInductance(100, 1e18f, 20, 4)); }, coilInputs,
             Failure::Overflow, "do", ""},
        Stop{"coilTurnsOverSmallDenominator", [] { return faultOf(coilInductance(1e18f, 1, 0, -0.2999f)); }, coilInputs,
             Failure::Overflow, "N", ""},
        Stop{"wireSection", [] { return faultOf(wireSize(1e39, 1)); }, wireInputs, Failure::Overflow, "I", ""},
        Stop{"wireSectionBySmallDensity", [] { return faultOf(wireSize(1, 1e-39)); }, wireInputs, Failure::Overflow,
             "J", ""},
        Stop{"wireFourSections", [] { return faultOf(wireSize(1e38, 1)); }, wireInputs, Failure::Overflow, "I", ""}),
    byName);

// Opposite signs under the root name the negative one, whichever it is.
INSTANTIATE_TEST_SUITE_P(NegativeRoots, Stops,
                         testing::Values(Stop{"negativeCurrent", [] { return faultOf(wireSize(-5, 2)); }, wireInputs,
                                              Failure::NegativeRoot, "I", ""},
                                         Stop{"negativeDensity", [] { return faultOf(wireSize(5, -2)); }, wireInputs,
                                              Failure::NegativeRoot, "J", ""}),
                         byName);

}  // namespace
}  // namespace calc
