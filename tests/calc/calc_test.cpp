#include "calc/calc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "tests/calc/regions.h"

// Fields read, operations pressed and captions written, case by case: what the property tests
// cannot draw.
namespace calc {
namespace {

using namespace test;

enum Kind { Single, Double };

const Result<double> notANumber = std::unexpected(FaultKind::NotANumber);
const Result<double> outOfRange = std::unexpected(FaultKind::OutOfRange);
const std::string digitFarBeyondHalf = "16777217," + std::string(150, '0') + "1";

// The grammar under each regional setting (the same text reads differently), rounding once from all
// the digits to the nearest single or double, and the texts that are no number or beyond the range.
TEST(FieldText, ReadAndWritten) {
    // name, text, regional setting, reader, value (a single's widened) or failure
    const std::tuple<const char*, std::string_view, const Region&, Kind, Result<double>> readings[] = {
        {"commaSkipsPointGroup", "4.5", decimalComma, Single, 45},
        {"commaGroupAndFraction", "1.000,5", decimalComma, Single, 1000.5},
        {"pointSkipsCommaGroup", "4,5", decimalPoint, Single, 45},
        {"groupBeforeFirstDigit", ".5", decimalComma, Single, 5},
        {"multiByteGroup", "5\u202F000,25", narrowSpaceGroups, Single, 5000.25},
        {"multiByteDecimal", "4\u066B5", arabic, Single, 4.5},
        {"noGroupSeparator", "1000,5", noGroups, Single, 1000.5},
        {"decimalLikeGroupIsDecimal", "4,5", alike, Single, 4.5},
        {"blanksAndTabsAround", " \t500 \t", decimalComma, Single, 500},
        {"plusSign", "+7", decimalComma, Single, 7},
        {"onlyFraction", ",25", decimalComma, Single, 0.25},
        {"emptyFraction", "3,", decimalComma, Single, 3},
        {"exponentLowerCaseSigned", "15e-1", decimalComma, Single, 1.5},
        {"negativeZeroKeepsSign", "-0", decimalComma, Single, -0.0},
        {"zeroWithHugeExponent", "0E99999999999999999999", decimalComma, Single, 0},
        {"digitFarBeyondHalfRoundsUp", digitFarBeyondHalf, decimalComma, Single, 16777218},
        {"noDetourThroughDouble", "1.000000059604644775390626", decimalPoint, Single, 1.00000012f},
        {"largestSingle", "340282356779733661637539395458142568447", decimalComma, Single, FLT_MAX},
        {"tooSmallIsZeroOfItsSign", "-1E-50", decimalComma, Single, -0.0},
        {"hugeNegativeExponent", "1E-99999999999999999999", decimalComma, Single, 0},
        {"smallestSubnormal", "1,4E-45", decimalComma, Single, 1.4e-45f},
        {"doubleTooSmallKeepsSign", "-1E-400", decimalComma, Double, -0.0},
        {"doubleBeyondItsRange", "2E308", decimalComma, Double, outOfRange},
        {"empty", "", decimalComma, Single, notANumber},
        {"secondDecimalSeparator", "4,5,1", decimalComma, Single, notANumber},
        {"groupInFraction", "4,5.1", decimalComma, Single, notANumber},
        {"groupWhereNoneIsUsed", "1.000,5", noGroups, Single, notANumber},
        {"blankAfterSign", "- 5", decimalComma, Single, notANumber},
        {"blankInside", "5 00", decimalComma, Single, notANumber},
        {"exponentWithoutDigitsLooksNoFurther", std::string_view("5E1", 2), decimalComma, Single, notANumber},
        {"exponentSignWithoutDigitsLooksNoFurther", std::string_view("5E+1", 3), decimalComma, Single, notANumber},
        {"exponentWithoutMantissa", "E5", decimalComma, Single, notANumber},
        {"trailingUnit", "500Hz", decimalComma, Single, notANumber},
        {"nulInside", std::string_view("5\0", 2), decimalComma, Single, notANumber},
        {"justAboveSingleRange", "340282356779733661637539395458142568448", decimalComma, Single, outOfRange},
        {"hugeExponent", "1E99999999999999999999", decimalComma, Single, outOfRange},
    };
    for (const auto& [name, text, region, kind, value] : readings) {
        const auto read = kind == Single ? Result<double>(readField(text, region)) : readFieldDouble(text, region);
        EXPECT_EQ(read, value) << name;
        EXPECT_EQ(read && std::signbit(*read), value && std::signbit(*value)) << name;
    }
    // The digits of written numbers are checked against an exact model in property_test.cpp; here the
    // separators that it does not draw, and values that no operation lets through.
    EXPECT_EQ(numberText(4.98, arabic), "4\u066B98");
    EXPECT_EQ(numberText(-std::numeric_limits<float>::infinity(), decimalComma), "-inf");
}

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
    if (op == Op::Section) return written(wireSize(d(0), d(1)), [&](const auto& v) { return sectionCaption(v, r); });
    return written(bandPass12db(f(0), f(1), f(2)), [&](const BandPass12db& values) {
        const auto both = captions(values, r);
        return both[0] + "|" + both[1];
    });
}

// The forms' default texts, then the rounding, signs, kinds and forms of the numbers within.
TEST(Caption, UnderEachRegionalSetting) {
    // name, operation, fields, caption under decimal comma (and under a narrow space as group
    // separator), under decimal point where it is not the same with a point
    const std::tuple<const char*, Op, Fields, std::string, std::string> examples[] = {
        // clang-format off
        {"woofer6db", Op::LowPass6, {"500", "4"}, " L = 1,27mH", ""},
        {"woofer12db", Op::LowPass12, {"500", "4"}, " L = 1,8mH    C = 56uF", ""},
        {"midrange6db", Op::BandPass6, {"500", "4"}, " L = 0,32mH    C = 79,5uF", ""},
        {"midrange12db", Op::BandPass12, {"500", "5000", "4"}, "L1 = 1,8mH  C1 = 56uF|L2 = 0,18mH  C2 = 5,6uF", ""},
        {"tweeter6db", Op::HighPass6, {"5000", "4"}, "    C = 7,95uF", ""},
        {"tweeter12dbReadsZ45UnderPoint", Op::HighPass12, {"5000", "4,5"}, " L = 0,2mH    C = 4,98uF",
            " L = 2.03mH    C = 0.5uF"},
        {"coil", Op::Coil, {"80", "34", "20", "4"}, "L = 0,18mH", ""},
        {"coilFactorIs786Not7874", Op::Coil, {"60", "60", "5", "4"}, "L = 0,38mH", ""},
        {"wire", Op::Wire, {"5", "2"}, "1,78 mm debljuna zice", ""},
        {"wireSection", Op::Section, {"5", "2"}, "2,5 mm kvadratnbih", ""},
        {"zeroImpedanceWithoutCapacitor", Op::LowPass6, {"500", "0"}, " L = 0mH", ""},
        {"negativeFieldAccepted", Op::LowPass6, {"-500", "4"}, " L = -1,27mH", ""},
        {"doubleCapacitorKeepsDigits", Op::HighPass12, {"1E-3", "1"}, " L = 225000mH    C = 111999994,68uF", ""},
        {"narrowedCapacitor", Op::LowPass12, {"1E-3", "1"}, " L = 225000mH    C = 1,12E+08uF", ""},
        {"midrangeCapacitorsAreDoubles", Op::BandPass12, {"1E-3", "1E-2", "1"},
            "L1 = 225000mH  C1 = 111999994,68uF|L2 = 22500mH  C2 = 11200000,25uF", ""},
        {"coilNegativeDenominator", Op::Coil, {"80", "34", "-20", "4"}, "L = -1,53mH", ""},
        {"wireNarrowedSection", Op::Wire, {"5", "3"}, "1,46 mm debljuna zice", ""},
        {"wireCircleIs314", Op::Wire, {"50", "1,5"}, "6,52 mm debljuna zice", "2.06 mm debljuna zice"},
        {"wireNegativeZeroCurrent", Op::Wire, {"-0", "2"}, "0 mm debljuna zice", ""},
        {"sectionUnrounded", Op::Section, {"5", "3"}, "1,666667 mm kvadratnbih", ""},
        // clang-format on
    };
    for (const auto& [name, op, fields, comma, differentPoint] : examples) {
        SCOPED_TRACE(name);
        std::string point = differentPoint;
        if (point.empty()) std::ranges::replace(point = comma, ',', '.');
        EXPECT_EQ(press(op, fields, decimalComma), comma);
        EXPECT_EQ(press(op, fields, narrowSpaceGroups), comma);
        EXPECT_EQ(press(op, fields, decimalPoint), point);
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

using enum FaultKind;

// A zero divisor names the field that is zero, or the expression that is (a product of non-zero
// fields too small to hold as a product); a step beyond the single range names the input that drives
// it there, by being large in a product or small as a divisor; a root names its negative input.
TEST(Fault, NamesTheInputAtTheStepThatFails) {
    // name, operation, fields, failure, the input it names, a zero divisor as formed (else empty), and
    // whether that divisor is a product too small to hold
    const std::tuple<const char*, Op, Fields, FaultKind, std::string, std::string, bool> stops[] = {
        {"zeroFrequency", Op::LowPass6, {"0", "4"}, DivisionByZero, "Fp", "Fp", false},
        {"zeroOverZero", Op::LowPass6, {"0", "0"}, DivisionByZero, "Fp", "Fp", false},
        {"zeroImpedanceWithCapacitor", Op::LowPass12, {"500", "0"}, DivisionByZero, "Z", "Fp*Z", false},
        {"midrangeZeroImpedance", Op::BandPass6, {"500", "0"}, DivisionByZero, "Z", "Fp*Z", false},
        {"midrangeZeroUpperFrequency", Op::BandPass12, {"500", "0", "4"}, DivisionByZero, "Fp2", "Fp2", false},
        {"tweeterZeroFrequency", Op::HighPass6, {"0", "4"}, DivisionByZero, "Fp", "Fp*Z", false},
        {"tweeterZeroImpedance", Op::HighPass12, {"5000", "0"}, DivisionByZero, "Z", "Fp*Z", false},
        {"productTooSmallToHold", Op::HighPass12, {"1E-30", "1E-20"}, DivisionByZero, "Fp", "Fp*Z", true},
        {"coilAllZero", Op::Coil, {"0", "0", "0", "0"}, DivisionByZero, "do", "3*do + 9*l + 10*h", false},
        {"coilSumCancels", Op::Coil, {"80", "10", "0", "-3"}, DivisionByZero, "do", "3*do + 9*l + 10*h", false},
        {"wireZeroDensity", Op::Wire, {"5", "0"}, DivisionByZero, "J", "J", false},
        {"singleProduct", Op::LowPass6, {"500", "3E38"}, Overflow, "Z", "", false},
        {"singleQuotientBySmallFrequency", Op::LowPass6, {"1E-30", "1E10"}, Overflow, "Fp", "", false},
        {"singleQuotientByLargeImpedance", Op::LowPass6, {"1E-5", "1E36"}, Overflow, "Z", "", false},
        {"narrowedCapacitor", Op::LowPass12, {"1", "1E-40"}, Overflow, "Z", "", false},
        {"doubleCapacitorBeyondSingleRange", Op::BandPass12, {"1E-40", "5000", "1"}, Overflow, "Fp1", "", false},
        {"tweeterDoubleCapacitor", Op::HighPass12, {"1E-40", "1"}, Overflow, "Fp", "", false},
        {"coilTurnsSquared", Op::Coil, {"1E20", "34", "20", "4"}, Overflow, "N", "", false},
        {"coilDoubleNumerator", Op::Coil, {"100", "1E18", "20", "4"}, Overflow, "do", "", false},
        {"coilTurnsOverSmallDenominator", Op::Coil, {"1E18", "1", "0", "-0,2999"}, Overflow, "N", "", false},
        {"wireSection", Op::Wire, {"1E39", "1"}, Overflow, "I", "", false},
        {"wireSectionBySmallDensity", Op::Wire, {"1", "1E-39"}, Overflow, "J", "", false},
        {"wireFourSections", Op::Wire, {"1E38", "1"}, Overflow, "I", "", false},
        {"negativeCurrent", Op::Wire, {"-5", "2"}, NegativeRoot, "I", "", false},
        {"negativeDensity", Op::Wire, {"5", "-2"}, NegativeRoot, "J", "", false},
    };
    for (const auto& [name, op, fields, failure, input, divisor, underflow] : stops) {
        const Pressed pressed = press(op, fields, decimalComma);
        ASSERT_FALSE(pressed) << name;
        const Fault& fault = pressed.error();
        const std::vector<std::string> inputs = symbols(op);
        EXPECT_EQ(std::tuple(fault.kind, inputs.at(fault.input), shown(fault.divisor, inputs), fault.underflow),
                  std::tuple(failure, input, divisor, underflow))
            << name;
    }
}

}  // namespace
}  // namespace calc
