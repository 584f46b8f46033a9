#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "calc/calc.h"
#include "tests/calc/regions.h"

namespace calc {
namespace {

enum class Op { LowPass6, LowPass12, BandPass6, BandPass12, HighPass6, HighPass12, Coil, Wire, Section };
using Fields = std::vector<std::string>;
using Pressed = std::expected<std::string, Fault>;

template <class T, class Write>
Pressed written(const Outcome<T>& values, Write write) {
    if (!values) return std::unexpected(values.error());
    return write(*values);
}

// A form's button: its fields read under the region, then its caption (the
// midrange's two joined by "|"), or the fault of the step that failed.
Pressed press(Op op, const Fields& fields, const Region& r) {
    const auto f = [&](int i) { return readField(fields.at(i), r).value(); };
    const auto d = [&](int i) { return readFieldDouble(fields.at(i), r).value(); };
    const auto one = [&](const auto& values) { return caption(values, r); };
    if (op == Op::LowPass6) return written(lowPass6db(f(0), f(1)), one);
    if (op == Op::LowPass12) return written(lowPass12db(f(0), f(1)), one);
    if (op == Op::BandPass6) return written(bandPass6db(f(0), f(1)), one);
    if (op == Op::HighPass6) return written(highPass6db(f(0), f(1)), one);
    if (op == Op::HighPass12) return written(highPass12db(f(0), f(1)), one);
    if (op == Op::Coil) return written(coilInductance(f(0), f(1), f(2), f(3)), one);
    if (op == Op::Wire) return written(wireSize(d(0), d(1)), one);
    if (op == Op::Section)
        return written(wireSize(d(0), d(1)), [&](const WireSize& v) { return sectionCaption(v, r); });
    return written(bandPass12db(f(0), f(1), f(2)), [&](const BandPass12db& values) {
        const auto both = captions(values, r);
        return both[0] + "|" + both[1];
    });
}

// The forms' default texts, then the rounding, signs, kinds and forms of the numbers within.
TEST(Caption, UnderEachRegionalSetting) {
    const struct {
        const char* name;
        Op op;
        Fields fields;
        std::string comma;       // under decimal comma, and under a narrow space as group separator
        std::string point = "";  // under decimal point; empty: the comma's with a point
    } examples[] = {
        // clang-format off
        {"woofer6db", Op::LowPass6, {"500", "4"}, " L = 1,27mH"},
        {"woofer12db", Op::LowPass12, {"500", "4"}, " L = 1,8mH    C = 56uF"},
        {"midrange6db", Op::BandPass6, {"500", "4"}, " L = 0,32mH    C = 79,5uF"},
        {"midrange12db", Op::BandPass12, {"500", "5000", "4"}, "L1 = 1,8mH  C1 = 56uF|L2 = 0,18mH  C2 = 5,6uF"},
        {"tweeter6db", Op::HighPass6, {"5000", "4"}, "    C = 7,95uF"},
        {"tweeter12dbReadsZ45UnderPoint", Op::HighPass12, {"5000", "4,5"}, " L = 0,2mH    C = 4,98uF",
            " L = 2.03mH    C = 0.5uF"},
        {"coil", Op::Coil, {"80", "34", "20", "4"}, "L = 0,18mH"},
        {"wire", Op::Wire, {"5", "2"}, "1,78 mm debljuna zice"},
        {"wireSection", Op::Section, {"5", "2"}, "2,5 mm kvadratnbih"},
        {"exactEighthGoesToEven", Op::LowPass6, {"1272", "1"}, " L = 0,12mH"},
        {"zeroImpedanceWithoutCapacitor", Op::LowPass6, {"500", "0"}, " L = 0mH"},
        {"negativeFieldAccepted", Op::LowPass6, {"-500", "4"}, " L = -1,27mH"},
        {"doubleCapacitorKeepsDigits", Op::HighPass12, {"1E-3", "1"}, " L = 225000mH    C = 111999994,68uF"},
        {"narrowedCapacitor", Op::LowPass12, {"1E-3", "1"}, " L = 225000mH    C = 1,12E+08uF"},
        {"midrangeCapacitorsAreDoubles", Op::BandPass12, {"1E-3", "1E-2", "1"},
            "L1 = 225000mH  C1 = 111999994,68uF|L2 = 22500mH  C2 = 11200000,25uF"},
        {"coilFactorIs786", Op::Coil, {"60", "60", "5", "4"}, "L = 0,38mH"},
        {"coilTurnsEnterSquared", Op::Coil, {"-80", "34", "20", "4"}, "L = 0,18mH"},
        {"coilNegativeDenominator", Op::Coil, {"80", "34", "-20", "4"}, "L = -1,53mH"},
        {"wireNarrowedSection", Op::Wire, {"5", "3"}, "1,46 mm debljuna zice"},
        {"wireCircleIs314", Op::Wire, {"50", "1,5"}, "6,52 mm debljuna zice", "2.06 mm debljuna zice"},
        {"wireBothNegative", Op::Wire, {"-5", "-2"}, "1,78 mm debljuna zice"},
        {"wireNegativeZeroCurrent", Op::Wire, {"-0", "2"}, "0 mm debljuna zice"},
        {"sectionUnrounded", Op::Section, {"5", "3"}, "1,666667 mm kvadratnbih"},
        // clang-format on
    };
    for (const auto& e : examples) {
        SCOPED_TRACE(e.name);
        std::string point = e.point;
        if (point.empty()) std::ranges::replace(point = e.comma, ',', '.');
        EXPECT_EQ(press(e.op, e.fields, test::decimalComma), e.comma);
        EXPECT_EQ(press(e.op, e.fields, test::narrowSpaceGroups), e.comma);
        EXPECT_EQ(press(e.op, e.fields, test::decimalPoint), point);
    }
}

// The inputs of each operation, in order, as a message names them.
std::vector<std::string> symbols(Op op) {
    if (op == Op::BandPass12) return {"Fp1", "Fp2", "Z"};
    if (op == Op::Coil) return {"N", "do", "l", "h"};
    if (op == Op::Wire) return {"I", "J"};
    return {"Fp", "Z"};
}

// A divisor as a message would name it, in the operation's own symbols.
std::string shown(const Expression& divisor, const std::vector<std::string>& symbols) {
    std::string text;
    for (int i = 0; i < divisor.count; ++i) {
        const Term& term = divisor.terms[i];
        if (i > 0) text += " + ";
        if (term.coefficient != 1) text += std::to_string(term.coefficient) + "*";
        std::string product;
        for (std::size_t k = 0; k < symbols.size(); ++k) {
            if (term.inputs & (1u << k)) product += (product.empty() ? "" : "*") + symbols[k];
        }
        text += product;
    }
    return text;
}

using enum Failure;

// A zero divisor names the field that is zero, or the expression that is (a product of non-zero
// fields too small to hold as a product); a step beyond the single range names the input that drives
// it there, by being large in a product or small as a divisor; a root names its negative input.
TEST(Failure, NamesTheInputAtTheStepThatFails) {
    const struct {
        const char* name;
        Op op;
        Fields fields;
        Failure failure;
        std::string input;    // the input the fault points at
        std::string divisor;  // a zero divisor as formed, else empty
        bool underflow = false;
    } stops[] = {
        {"zeroFrequency", Op::LowPass6, {"0", "4"}, DivisionByZero, "Fp", "Fp"},
        {"zeroOverZero", Op::LowPass6, {"0", "0"}, DivisionByZero, "Fp", "Fp"},
        {"zeroImpedanceWithCapacitor", Op::LowPass12, {"500", "0"}, DivisionByZero, "Z", "Fp*Z"},
        {"midrangeZeroImpedance", Op::BandPass6, {"500", "0"}, DivisionByZero, "Z", "Fp*Z"},
        {"midrangeZeroUpperFrequency", Op::BandPass12, {"500", "0", "4"}, DivisionByZero, "Fp2", "Fp2"},
        {"tweeterZeroFrequency", Op::HighPass6, {"0", "4"}, DivisionByZero, "Fp", "Fp*Z"},
        {"tweeterZeroImpedance", Op::HighPass12, {"5000", "0"}, DivisionByZero, "Z", "Fp*Z"},
        {"productTooSmallToHold", Op::HighPass12, {"1E-30", "1E-20"}, DivisionByZero, "Fp", "Fp*Z", true},
        {"coilAllZero", Op::Coil, {"0", "0", "0", "0"}, DivisionByZero, "do", "3*do + 9*l + 10*h"},
        {"coilSumCancels", Op::Coil, {"80", "10", "0", "-3"}, DivisionByZero, "do", "3*do + 9*l + 10*h"},
        {"wireZeroDensity", Op::Wire, {"5", "0"}, DivisionByZero, "J", "J"},
        {"wireZeroOverZero", Op::Wire, {"0", "0"}, DivisionByZero, "J", "J"},
        {"singleProduct", Op::LowPass6, {"500", "3E38"}, Overflow, "Z", ""},
        {"singleQuotientBySmallFrequency", Op::LowPass6, {"1E-30", "1E10"}, Overflow, "Fp", ""},
        {"singleQuotientByLargeImpedance", Op::LowPass6, {"1E-5", "1E36"}, Overflow, "Z", ""},
        {"narrowedCapacitor", Op::LowPass12, {"1", "1E-40"}, Overflow, "Z", ""},
        {"doubleCapacitorBeyondSingleRange", Op::BandPass12, {"1E-40", "5000", "1"}, Overflow, "Fp1", ""},
        {"tweeterDoubleCapacitor", Op::HighPass12, {"1E-40", "1"}, Overflow, "Fp", ""},
        {"coilTurnsSquared", Op::Coil, {"1E20", "34", "20", "4"}, Overflow, "N", ""},
        {"coilDoubleNumerator", Op::Coil, {"100", "1E18", "20", "4"}, Overflow, "do", ""},
        {"coilTurnsOverSmallDenominator", Op::Coil, {"1E18", "1", "0", "-0,2999"}, Overflow, "N", ""},
        {"wireSection", Op::Wire, {"1E39", "1"}, Overflow, "I", ""},
        {"wireSectionBySmallDensity", Op::Wire, {"1", "1E-39"}, Overflow, "J", ""},
        {"wireFourSections", Op::Wire, {"1E38", "1"}, Overflow, "I", ""},
        {"negativeCurrent", Op::Wire, {"-5", "2"}, NegativeRoot, "I", ""},
        {"negativeDensity", Op::Wire, {"5", "-2"}, NegativeRoot, "J", ""},
    };
    for (const auto& stop : stops) {
        const Pressed pressed = press(stop.op, stop.fields, test::decimalComma);
        ASSERT_FALSE(pressed) << stop.name;
        const std::vector<std::string> inputs = symbols(stop.op);
        EXPECT_EQ(pressed.error().kind, stop.failure) << stop.name;
        EXPECT_EQ(inputs.at(pressed.error().input), stop.input) << stop.name;
        EXPECT_EQ(shown(pressed.error().divisor, inputs), stop.divisor) << stop.name;
        EXPECT_EQ(pressed.error().underflow, stop.underflow) << stop.name;
    }
}

}  // namespace
}  // namespace calc
