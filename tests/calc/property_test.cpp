#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <iostream>
#include <limits>
#include <random>
#include <string>

#include "calc/calc.h"
#include "tests/calc/reference.h"
#include "tests/calc/regions.h"

#ifndef TAV20_PROPERTY_CASES
#define TAV20_PROPERTY_CASES 6'000'000
#endif

namespace calc {
namespace {

constexpr long long cases = TAV20_PROPERTY_CASES;

// Draws alternate between three kinds of value: any finite bit pattern; a
// mantissa with most low bits cleared, which lands on exact halves of digits
// and of hundredths; and magnitudes from 1e-6 to 1e12, where captions live.
template <class T, class Bits>
class Draws {
public:
    T next() {
        while (true) {
            const int kind = count_++ % 3;
            Bits bits = static_cast<Bits>(engine_());
            if (kind == 1) bits &= ~Bits{0} << (mantissaBits - sparseBits(engine_));
            if (kind == 2) bits = (bits & ~exponentMask) | captionExponent();
            const T value = std::bit_cast<T>(bits);
            if (std::isfinite(value)) return value;
        }
    }

private:
    static constexpr int mantissaBits = std::numeric_limits<T>::digits - 1;
    static constexpr int exponentBias = std::numeric_limits<T>::max_exponent - 1;
    static constexpr Bits exponentMask = (~Bits{0} >> 1) & ~((Bits{1} << mantissaBits) - 1);

    Bits captionExponent() {
        std::uniform_int_distribution<int> binary(-20, 40);
        return static_cast<Bits>(binary(engine_) + exponentBias) << mantissaBits;
    }

    std::mt19937_64 engine_{20240611};
    std::uniform_int_distribution<int> sparseBits{0, 6};
    long long count_ = 0;
};

using SingleDraws = Draws<float, std::uint32_t>;
using DoubleDraws = Draws<double, std::uint64_t>;

// Counts disagreements, reporting only the first few in full.
class Tally {
public:
    template <class T>
    void check(bool agree, T value, const std::string& got, const std::string& want) {
        ++checked_;
        if (agree) return;
        if (++mismatches_ <= 5) {
            ADD_FAILURE() << std::hexfloat << value << ": got \"" << got << "\", want \"" << want << '"';
        }
    }

    ~Tally() {
        std::cout << "checked " << checked_ << " values, " << mismatches_ << " mismatches\n";
        EXPECT_EQ(mismatches_, 0);
    }

private:
    long long checked_ = 0;
    long long mismatches_ = 0;
};

template <class T>
bool sameBits(T a, T b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

template <class T>
std::string hex(T value) {
    char buffer[64];
    return {buffer, std::to_chars(buffer, std::end(buffer), value, std::chars_format::hex).ptr};
}

// numberText agrees with the digits of the exact binary value, rounded by hand.
TEST(Property, NumberTextOfSinglesMatchesExactDecimal) {
    SingleDraws draws;
    Tally tally;
    for (long long i = 0; i < cases; ++i) {
        const float x = draws.next();
        const std::string got = numberText(x, test::decimalComma);
        const std::string want = reference::numberText(x, 7, ",");
        tally.check(got == want, x, got, want);
    }
}

TEST(Property, NumberTextOfDoublesMatchesExactDecimal) {
    DoubleDraws draws;
    Tally tally;
    for (long long i = 0; i < cases / 4; ++i) {
        const double x = draws.next();
        const std::string got = numberText(x, test::decimalPoint);
        const std::string want = reference::numberText(x, 15, ".");
        tally.check(got == want, x, got, want);
    }
}

// roundTo2 agrees with a tie decision made on the integer bits of x·100.
TEST(Property, RoundTo2MatchesExactTieDecision) {
    SingleDraws singles;
    DoubleDraws doubles;
    Tally tally;
    for (long long i = 0; i < cases; ++i) {
        const float x = singles.next();
        const float got = roundTo2(x);
        const float want = reference::roundTo2(x);
        tally.check(sameBits(got, want), x, hex(got), hex(want));
        const double y = doubles.next();
        const double gotDouble = roundTo2(y);
        const double wantDouble = reference::roundTo2(y);
        tally.check(sameBits(gotDouble, wantDouble), y, hex(gotDouble), hex(wantDouble));
    }
}

// A number of at most 7 (single) or 15 (double) significant digits, typed in
// any regional form, reads back to the same bits from its written text.
template <class T>
void checkRoundTrip(int digits, int minExponent, int maxExponent, Tally& tally) {
    std::mt19937_64 engine(7);
    std::uniform_int_distribution<long long> mantissa(1, static_cast<long long>(std::pow(10, digits)) - 1);
    std::uniform_int_distribution<int> exponent(minExponent, maxExponent);
    const Region* regions[] = {&test::decimalComma, &test::decimalPoint, &test::narrowSpaceGroups};
    const auto read = [](std::string_view text, const Region& region) {
        if constexpr (std::is_same_v<T, float>) {
            return readField(text, region);
        } else {
            return readFieldDouble(text, region);
        }
    };
    for (long long i = 0; i < cases / 2; ++i) {
        const Region& region = *regions[i % 3];
        const std::string typed =
            (i % 2 ? "-" : "") + std::to_string(mantissa(engine)) + "E" + std::to_string(exponent(engine));
        const T x = read(typed, region).value();
        const std::string written = numberText(x, region);
        const auto back = read(written, region);
        tally.check(back && sameBits(*back, x), x, written, typed);
    }
}

TEST(Property, SinglesOfSevenDigitsReadBackFromTheirText) {
    Tally tally;
    checkRoundTrip<float>(7, -37, 31, tally);  // normal singles
}

TEST(Property, DoublesOfFifteenDigitsReadBackFromTheirText) {
    Tally tally;
    checkRoundTrip<double>(15, -307, 293, tally);  // normal doubles
}

}  // namespace
}  // namespace calc
