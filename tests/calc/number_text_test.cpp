#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

#include "calc/calc.h"
#include "tests/calc/regions.h"

namespace calc {
namespace {

using test::decimalComma;
using test::decimalPoint;
using test::narrowSpaceGroups;

template <class T>
struct Writing {
    const char* name;
    T value;
    const char* text;
};

template <class T>
void PrintTo(const Writing<T>& w, std::ostream* os) {
    *os << w.name;
}

class WritesSingle : public testing::TestWithParam<Writing<float>> {};
class WritesDouble : public testing::TestWithParam<Writing<double>> {};

// Seven significant digits for a single, with a decimal comma.
TEST_P(WritesSingle, WithSevenDigits) { EXPECT_EQ(numberText(GetParam().value, decimalComma), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(Singles, WritesSingle,
                         testing::Values(Writing<float>{"fraction", 1.27f, "1,27"},
                                         Writing<float>{"trailingZerosDropped", 1.8f, "1,8"},
                                         Writing<float>{"wholeNumberHasNoSeparator", 56.0f, "56"},
                                         Writing<float>{"belowOneKeepsLeadingZero", 0.32f, "0,32"},
                                         Writing<float>{"negative", -1.27f, "-1,27"},
                                         Writing<float>{"positiveZero", 0.0f, "0"},
                                         Writing<float>{"negativeZero", -0.0f, "0"},
                                         Writing<float>{"roundedToSevenDigits", 123456.78f, "123456,8"},
                                         Writing<float>{"largestFixed", 9999999.0f, "9999999"},
                                         Writing<float>{"tenMillionIsExponentForm", 1e7f, "1E+07"},
                                         Writing<float>{"exponentFormDropsZeros", 15899999.0f, "1,59E+07"},
                                         Writing<float>{"tieGoesToEvenUp", 12345675.0f, "1,234568E+07"},
                                         Writing<float>{"tieGoesToEvenDown", 12345665.0f, "1,234566E+07"},
                                         Writing<float>{"roundingDecidesTheForm", 0.0001f, "0,0001"},
                                         Writing<float>{"belowOneTenThousandth", 0.00001f, "1E-05"},
                                         Writing<float>{"smallWithFraction", 1.5e-7f, "1,5E-07"}),
                         [](const auto& info) { return std::string(info.param.name); });

// Fifteen significant digits for a double.
TEST_P(WritesDouble, WithFifteenDigits) { EXPECT_EQ(numberText(GetParam().value, decimalComma), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(Doubles, WritesDouble,
                         testing::Values(Writing<double>{"wholeNumber", 56.0, "56"},
                                         Writing<double>{"shortestDecimalNotBinaryTail", 0.1, "0,1"},
                                         Writing<double>{"keepsFifteenDigits", 111999994.68, "111999994,68"},
                                         Writing<double>{"roundedToFifteenDigits", 123456789012345.6,
                                                         "123456789012346"},
                                         Writing<double>{"carryReachesExponentForm", 999999999999999.5, "1E+15"},
                                         Writing<double>{"threeDigitExponent", 1.5e300, "1,5E+300"},
                                         Writing<double>{"negativeZero", -0.0, "0"}),
                         [](const auto& info) { return std::string(info.param.name); });

// The regional decimal separator, of any length, and never a group separator.
TEST(NumberText, RegionalSeparators) {
    EXPECT_EQ(numberText(1.27f, decimalPoint), "1.27");
    EXPECT_EQ(numberText(1234567.0f, decimalPoint), "1234567");
    EXPECT_EQ(numberText(1234.5f, narrowSpaceGroups), "1234,5");
    EXPECT_EQ(numberText(1.5e20, decimalPoint), "1.5E+20");
    EXPECT_EQ(numberText(4.98, Region{"\xD9\xAB", ""}),
              "4\xD9\xAB"
              "98");  // U+066B
}

// Values no operation lets through still give a text.
TEST(NumberText, NonFiniteDoesNotCrash) {
    EXPECT_EQ(numberText(std::numeric_limits<float>::infinity(), decimalComma), "inf");
    EXPECT_EQ(numberText(-std::numeric_limits<double>::infinity(), decimalComma), "-inf");
    EXPECT_EQ(numberText(std::numeric_limits<double>::quiet_NaN(), decimalComma), "nan");
}

}  // namespace
}  // namespace calc
