#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <string>

#include "calc/calc.h"
#include "tests/calc/regions.h"

namespace calc {
namespace {

using namespace test;

enum Kind { Single, Double };

const Result<double> notANumber = std::unexpected(Failure::NotANumber);
const Result<double> outOfRange = std::unexpected(Failure::OutOfRange);
const std::string digitFarBeyondHalf = "16777217," + std::string(150, '0') + "1";

// The grammar under each regional setting (the same text reads differently), rounding once from all
// the digits to the nearest single or double, and the texts that are no number or beyond the range.
TEST(ReadField, ToTheNearestValueOrItsFailure) {
    const struct {
        const char* name;
        std::string text;
        const Region& region;
        Kind kind;
        Result<double> value;  // a single's widened
    } readings[] = {
        {"commaSkipsPointGroup", "4.5", decimalComma, Single, 45},
        {"commaGroupAndFraction", "1.000,5", decimalComma, Single, 1000.5},
        {"pointSkipsCommaGroup", "4,5", decimalPoint, Single, 45},
        {"groupsOfAnySize", "1.2.34.5", decimalComma, Single, 12345},
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
        {"leadingZeros", "000000000000000000000012", decimalComma, Single, 12},
        {"negativeZeroKeepsSign", "-0", decimalComma, Single, -0.0},
        {"zeroWithHugeExponent", "0E99999999999999999999", decimalComma, Single, 0},
        {"halfwayGoesToEven", "16777217", decimalComma, Single, 16777216},
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
        {"exponentWithoutDigits", "5E", decimalComma, Single, notANumber},
        {"exponentSignWithoutDigits", "5E+", decimalComma, Single, notANumber},
        {"exponentWithoutMantissa", "E5", decimalComma, Single, notANumber},
        {"trailingUnit", "500Hz", decimalComma, Single, notANumber},
        {"nulInside", std::string("5\0", 2), decimalComma, Single, notANumber},
        {"justAboveSingleRange", "340282356779733661637539395458142568448", decimalComma, Single, outOfRange},
        {"hugeExponent", "1E99999999999999999999", decimalComma, Single, outOfRange},
    };
    for (const auto& r : readings) {
        const Result<double> read =
            r.kind == Single ? Result<double>(readField(r.text, r.region)) : readFieldDouble(r.text, r.region);
        EXPECT_EQ(read, r.value) << r.name;
        EXPECT_EQ(read && std::signbit(*read), r.value && std::signbit(*r.value)) << r.name;
    }
}

// The digits of written numbers are checked against an exact model in property_test.cpp; here the
// separators that it does not draw, and values that no operation lets through.
TEST(NumberText, AnyDecimalSeparatorAndNonFiniteValues) {
    EXPECT_EQ(numberText(4.98, arabic), "4\u066B98");
    EXPECT_EQ(numberText(1234.5f, narrowSpaceGroups), "1234,5");
    EXPECT_EQ(numberText(-std::numeric_limits<float>::infinity(), decimalComma), "-inf");
    EXPECT_EQ(numberText(std::numeric_limits<double>::quiet_NaN(), decimalComma), "nan");
}

}  // namespace
}  // namespace calc
