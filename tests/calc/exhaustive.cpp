// Checks numberText and roundTo2 for every single bit pattern against the
// exact reference, on every core. Not part of the test run: it takes minutes.

#include <atomic>
#include <bit>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "calc/calc.h"
#include "tests/calc/reference.h"

namespace {

std::atomic<std::uint64_t> mismatches{0};
std::mutex reportLock;

void report(std::uint32_t bits, const std::string& what) {
    if (++mismatches > 10) return;
    std::lock_guard lock(reportLock);
    std::printf("0x%08x: %s\n", bits, what.c_str());
}

void checkPattern(std::uint32_t bits, const calc::Region& region) {
    const float x = std::bit_cast<float>(bits);
    const float rounded = calc::roundTo2(x);
    const float expected = reference::roundTo2(x);
    if (std::memcmp(&rounded, &expected, sizeof rounded) != 0 && !std::isnan(x)) {
        report(bits, "roundTo2");
    }
    if (!std::isfinite(x)) return;
    const std::string text = calc::numberText(x, region);
    const std::string want = reference::numberText(x, 7, region.decimal);
    if (text != want) report(bits, "numberText \"" + text + "\", want \"" + want + '"');
}

// Interleaved, so that every thread gets its share of the slow large magnitudes.
void checkShare(std::uint32_t first, std::uint32_t stride) {
    const calc::Region region{",", "."};
    for (std::uint64_t bits = first; bits <= UINT32_MAX; bits += stride) {
        checkPattern(static_cast<std::uint32_t>(bits), region);
    }
}

}  // namespace

int main() {
    const auto start = std::chrono::steady_clock::now();
    const unsigned threads = std::max(1u, std::thread::hardware_concurrency());
    std::vector<std::thread> workers;
    for (unsigned t = 0; t < threads; ++t) workers.emplace_back(checkShare, t, threads);
    for (auto& worker : workers) worker.join();
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    std::printf("checked 4294967296 single bit patterns on %u threads in %.0f s: %llu mismatches\n", threads,
                elapsed.count(), static_cast<unsigned long long>(mismatches.load()));
    return mismatches == 0 ? 0 : 1;
}
