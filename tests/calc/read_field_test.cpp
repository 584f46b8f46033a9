#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <string>

#include "calc/calc.h"
#include "tests/calc/regions.h"

namespace calc {
namespace {

using test::decimalComma;
using test::decimalPoint;
using test::narrowSpaceGroups;

struct Reading {
    const char* name;
    std::string text;
    const Region* region;
    float value;
};

void PrintTo(const Reading& r, std::ostream* os) { *os << r.name; }

class ReadsNumber : public testing::TestWithParam<Reading> {};

// The grammar under each regional setting; the same text reads differently.
TEST_P(ReadsNumber, ToItsSingle) {
    const Reading& r = GetParam();
    const auto value = readField(r.text, *r.region);
    ASSERT_TRUE(value.has_value()) << '"' << r.text << '"';
    EXPECT_EQ(std::bit_cast<std::uint32_t>(*value), std::bit_cast<std::uint32_t>(r.value));
}

INSTANTIATE_TEST_SUITE_P(Grammar, ReadsNumber,
                         testing::Values(Reading{"commaReadsDecimal", "4,5", &decimalComma, 4.5f},
                                         Reading{"commaSkipsPointGroup", "4.5", &decimalComma, 45.0f},
                                         Reading{"commaGroupAndFraction", "1.000,5", &decimalComma, 1000.5f},
                                         Reading{"pointReadsDecimal", "4.5", &decimalPoint, 4.5f},
                                         Reading{"pointSkipsCommaGroup", "4,5", &decimalPoint, 45.0f},
                                         Reading{"groupsOfAnySize", "1.2.34.5", &decimalComma, 12345.0f},
                                         Reading{"groupBeforeFirstDigit", ".5", &decimalComma, 5.0f},
                                         Reading{"multiByteGroup",
                                                 "5\xE2\x80\xAF"
                                                 "000,25",
                                                 &narrowSpaceGroups, 5000.25f},
                                         Reading{"blanksAndTabsAround", " \t500 \t", &decimalComma, 500.0f},
                                         Reading{"plusSign", "+7", &decimalComma, 7.0f},
                                         Reading{"minusSign", "-500", &decimalComma, -500.0f},
                                         Reading{"onlyFraction", ",25", &decimalComma, 0.25f},
                                         Reading{"emptyFraction", "3,", &decimalComma, 3.0f},
                                         Reading{"exponent", "1,5E3", &decimalComma, 1500.0f},
                                         Reading{"exponentLowerCaseSigned", "15e-1", &decimalComma, 1.5f},
                                         Reading{"leadingZeros", "000000000000000000000012", &decimalComma, 12.0f},
                                         Reading{"negativeZeroKeepsSign", "-0", &decimalComma, -0.0f},
                                         Reading{"zeroWithHugeExponent", "0E99999999999999999999", &decimalComma,
                                                 0.0f}),
                         [](const auto& info) { return std::string(info.param.name); });

// Rounding happens once, from all the digits, to the nearest single.
INSTANTIATE_TEST_SUITE_P(
    Rounding, ReadsNumber,
    testing::Values(Reading{"halfwayGoesToEven", "16777217", &decimalComma, 16777216.0f},
                    Reading{"halfwayGoesToEvenUp", "16777219", &decimalComma, 16777220.0f},
                    Reading{"digitFarBeyondHalfRoundsUp", "16777217," + std::string(150, '0') + "1", &decimalComma,
                            16777218.0f},
                    Reading{"noDetourThroughDouble", "1.000000059604644775390626", &decimalPoint, 1.00000012f},
                    Reading{"largestSingle", "340282356779733661637539395458142568447", &decimalComma, FLT_MAX},
                    Reading{"tooSmallIsZero", "1E-50", &decimalComma, 0.0f},
                    Reading{"tooSmallKeepsSign", "-1E-50", &decimalComma, -0.0f},
                    Reading{"hugeNegativeExponent", "1E-99999999999999999999", &decimalComma, 0.0f},
                    Reading{"smallestSubnormal", "1,4E-45", &decimalComma, 1.4e-45f}),
    [](const auto& info) { return std::string(info.param.name); });

struct Refusal {
    const char* name;
    std::string text;
    Failure failure;
};

void PrintTo(const Refusal& r, std::ostream* os) { *os << r.name; }

class RefusesText : public testing::TestWithParam<Refusal> {};

// Texts that are no number, or a number beyond the single range.
TEST_P(RefusesText, WithItsFailure) {
    const Refusal& r = GetParam();
    EXPECT_EQ(readField(r.text, decimalComma), std::unexpected(r.failure)) << '"' << r.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Failures, RefusesText,
    testing::Values(
        Refusal{"empty", "", Failure::NotANumber}, Refusal{"blanksOnly", "  \t ", Failure::NotANumber},
        Refusal{"letters", "abc", Failure::NotANumber}, Refusal{"secondDecimalSeparator", "4,5,1", Failure::NotANumber},
        Refusal{"groupInFraction", "4,5.1", Failure::NotANumber}, Refusal{"separatorsOnly", ".,", Failure::NotANumber},
        Refusal{"blankAfterSign", "- 5", Failure::NotANumber}, Refusal{"blankInside", "5 00", Failure::NotANumber},
        Refusal{"exponentWithoutDigits", "5E", Failure::NotANumber},
        Refusal{"exponentSignWithoutDigits", "5E+", Failure::NotANumber},
        Refusal{"exponentWithoutMantissa", "E5", Failure::NotANumber},
        Refusal{"trailingUnit", "500Hz", Failure::NotANumber},
        Refusal{"nulInside", std::string("5\0", 2), Failure::NotANumber},
        Refusal{"justAboveSingleRange", "340282356779733661637539395458142568448", Failure::OutOfRange},
        Refusal{"beyondSingleRange", "1E39", Failure::OutOfRange},
        Refusal{"hugeExponent", "1E99999999999999999999", Failure::OutOfRange}),
    [](const auto& info) { return std::string(info.param.name); });

// The double reader shares the grammar but rounds to the double range.
TEST(ReadFieldDouble, RoundsToNearestDouble) {
    EXPECT_EQ(readFieldDouble("0,1", decimalComma), 0.1);
    EXPECT_EQ(readFieldDouble("1.000,5", decimalComma), 1000.5);
    EXPECT_EQ(readFieldDouble("4,5", decimalPoint), 45.0);
    EXPECT_EQ(readFieldDouble("1E300", decimalComma), 1e300);
    EXPECT_EQ(readFieldDouble("1E39", decimalComma), 1e39);
    EXPECT_EQ(readFieldDouble("4,9406564584124654E-324", decimalComma), 4.9406564584124654e-324);
    EXPECT_TRUE(std::signbit(*readFieldDouble("-1E-400", decimalComma)));
    EXPECT_EQ(readFieldDouble("2E308", decimalComma), std::unexpected(Failure::OutOfRange));
    EXPECT_EQ(readFieldDouble("4,5,", decimalComma), std::unexpected(Failure::NotANumber));
}

// Separators that are empty, or alike, leave the grammar unambiguous.
TEST(ReadField, UnusualSeparators) {
    EXPECT_EQ(readField("1000,5", Region{",", ""}), 1000.5f);
    EXPECT_EQ(readField("1.000,5", Region{",", ""}), std::unexpected(Failure::NotANumber));
    EXPECT_EQ(readField("4,5", Region{",", ","}), 4.5f);
    EXPECT_EQ(readField("4\xD9\xAB"
                        "5",
                        Region{"\xD9\xAB", "\xD9\xAC"}),
              4.5f);  // U+066B
}

}  // namespace
}  // namespace calc
