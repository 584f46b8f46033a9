#include <gtest/gtest.h>

#include <atomic>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <limits>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "calc/calc.h"
#include "tests/calc/reference.h"
#include "tests/calc/regions.h"

#ifndef TAV20_PROPERTY_CASES
#define TAV20_PROPERTY_CASES 6'000'000
#endif

namespace calc {
namespace {

constexpr long long cases = TAV20_PROPERTY_CASES;

// Draws alternate between three kinds of value: any finite bit pattern; a mantissa with most low
// bits cleared, which lands on exact halves of digits and of hundredths; and magnitudes from 1e-6 to
// 1e12, where captions live.
template <class T>
auto draws() {
    using Bits = std::conditional_t<sizeof(T) == 4, std::uint32_t, std::uint64_t>;
    constexpr int mantissaBits = std::numeric_limits<T>::digits - 1;
    constexpr Bits exponentMask = (~Bits{0} >> 1) & ~((Bits{1} << mantissaBits) - 1);
    return [engine = std::mt19937_64(20240611), count = 0LL]() mutable {
        while (true) {
            const long long kind = count++ % 3;
            Bits bits = static_cast<Bits>(engine());
            if (kind == 1) bits &= ~Bits{0} << (mantissaBits - std::uniform_int_distribution<int>(0, 6)(engine));
            if (kind == 2) {
                const int exponent =
                    std::uniform_int_distribution<int>(-20, 40)(engine) + std::numeric_limits<T>::max_exponent - 1;
                bits = (bits & ~exponentMask) | static_cast<Bits>(exponent) << mantissaBits;
            }
            if (std::isfinite(std::bit_cast<T>(bits))) return std::bit_cast<T>(bits);
        }
    };
}

// The bits of a value, to compare it exactly: -0 is not 0.
template <class T>
auto bits(T value) {
    return std::bit_cast<std::conditional_t<sizeof(T) == 4, std::uint32_t, std::uint64_t>>(value);
}

// Checks `count` drawn values, the library's result against the reference's, reporting the first
// few disagreements in full.
template <class Draw, class Results>
void compare(long long count, Draw draw, Results results) {
    long long mismatches = 0;
    for (long long i = 0; i < count; ++i) {
        const auto x = draw();
        const auto [got, want] = results(x);
        if (got != want && ++mismatches <= 5)
            ADD_FAILURE() << std::hexfloat << x << ": got " << got << ", want " << want;
    }
    std::cout << "checked " << count << " values, " << mismatches << " mismatches\n";
    EXPECT_EQ(mismatches, 0);
}

// numberText agrees with the digits of the exact binary value, rounded by hand.
TEST(Property, NumberTextOfSinglesMatchesExactDecimal) {
    compare(cases, draws<float>(),
            [](float x) { return std::pair(numberText(x, test::decimalComma), reference::numberText(x, 7, ",")); });
}

TEST(Property, NumberTextOfDoublesMatchesExactDecimal) {
    compare(cases / 4, draws<double>(),
            [](double x) { return std::pair(numberText(x, test::decimalPoint), reference::numberText(x, 15, ".")); });
}

// roundTo2 agrees with the processor's rounding of x·100 to a whole number, ties to even.
TEST(Property, RoundTo2MatchesReference) {
    compare(cases, draws<float>(), [](float x) { return std::pair(bits(roundTo2(x)), bits(reference::roundTo2(x))); });
    compare(cases, draws<double>(),
            [](double x) { return std::pair(bits(roundTo2(x)), bits(reference::roundTo2(x))); });
}

// A number of at most 7 (single) or 15 (double) significant digits, typed in
// any regional form, reads back to the same bits from its written text.
template <class T>
void checkRoundTrip(int digits, int minExponent, int maxExponent) {
    std::mt19937_64 engine(7);
    std::uniform_int_distribution<long long> mantissa(1, static_cast<long long>(std::pow(10, digits)) - 1);
    std::uniform_int_distribution<int> exponent(minExponent, maxExponent);
    const Region* regions[] = {&test::decimalComma, &test::decimalPoint, &test::narrowSpaceGroups};
    const auto read = [](std::string_view text, const Region& region) -> Result<T> {
        if constexpr (std::is_same_v<T, float>) return readField(text, region);
        return readFieldDouble(text, region);
    };
    long long i = 0;
    const Region* region = nullptr;
    const auto typed = [&] {
        region = regions[i % 3];
        const std::string text =
            (i++ % 2 ? "-" : "") + std::to_string(mantissa(engine)) + "E" + std::to_string(exponent(engine));
        return read(text, *region).value();
    };
    compare(cases / 2, typed, [&](T x) {
        return std::pair(bits(read(numberText(x, *region), *region).value_or(std::numeric_limits<T>::quiet_NaN())),
                         bits(x));
    });
}

TEST(Property, SinglesOfSevenDigitsReadBackFromTheirText) { checkRoundTrip<float>(7, -37, 31); }

// numberText and roundTo2 of every single bit pattern, on every core: make exhaustive runs it, for
// it takes many minutes.
TEST(Exhaustive, DISABLED_EverySingle) {
    const unsigned threads = std::max(1u, std::thread::hardware_concurrency());
    std::atomic<long long> mismatches{0};
    {
        // Interleaved, so that every thread gets its share of the slow large magnitudes.
        std::vector<std::jthread> workers;
        for (unsigned first = 0; first < threads; ++first)
            workers.emplace_back([&, first] {
                for (std::uint64_t pattern = first; pattern <= UINT32_MAX; pattern += threads) {
                    const float x = std::bit_cast<float>(static_cast<std::uint32_t>(pattern));
                    if (std::isnan(x)) continue;
                    const bool same =
                        bits(roundTo2(x)) == bits(reference::roundTo2(x)) &&
                        (!std::isfinite(x) || numberText(x, test::decimalComma) == reference::numberText(x, 7, ","));
                    if (!same && ++mismatches <= 10)
                        std::printf("mismatch at 0x%08llx\n", static_cast<unsigned long long>(pattern));
                }
            });
    }
    std::printf("checked 4294967296 single bit patterns on %u threads\n", threads);
    EXPECT_EQ(mismatches, 0);
}
TEST(Property, DoublesOfFifteenDigitsReadBackFromTheirText) { checkRoundTrip<double>(15, -307, 293); }

}  // namespace
}  // namespace calc
