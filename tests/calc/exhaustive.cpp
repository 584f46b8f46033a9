// Checks numberText and roundTo2 for every single bit pattern against the
// exact reference, on every core. Not part of the test run: it takes minutes.

#include <atomic>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "calc/calc.h"
#include "tests/calc/reference.h"

namespace {

std::atomic<std::uint64_t> mismatches{0};

// The first few mismatches are told, each in one call, which threads do not tear.
void report(std::uint32_t bits, const std::string& what) {
    if (++mismatches <= 10) std::printf("0x%08x: %s\n", bits, what.c_str());
}

void checkPattern(std::uint32_t bits, const calc::Region& region) {
    const float x = std::bit_cast<float>(bits);
    const float rounded = calc::roundTo2(x), expected = reference::roundTo2(x);
    if (std::memcmp(&rounded, &expected, sizeof rounded) != 0 && !std::isnan(x)) report(bits, "roundTo2");
    if (!std::isfinite(x)) return;
    const std::string text = calc::numberText(x, region);
    const std::string want = reference::numberText(x, 7, region.decimal);
    if (text != want) report(bits, "numberText \"" + text + "\", want \"" + want + '"');
}

}  // namespace

int main() {
    const unsigned threads = std::max(1u, std::thread::hardware_concurrency());
    {
        // Interleaved, so that every thread gets its share of the slow large magnitudes.
        std::vector<std::jthread> workers;
        for (unsigned first = 0; first < threads; ++first) {
            workers.emplace_back([first, threads] {
                const calc::Region region{",", "."};
                for (std::uint64_t bits = first; bits <= UINT32_MAX; bits += threads) {
                    checkPattern(static_cast<std::uint32_t>(bits), region);
                }
            });
        }
    }
    std::printf("checked 4294967296 single bit patterns on %u threads: %llu mismatches\n", threads,
                static_cast<unsigned long long>(mismatches.load()));
    return mismatches == 0 ? 0 : 1;
}
