#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <random>
#include <vector>

#include "winding/winding.h"

namespace {

void solve(benchmark::State& state, winding::Coil coil) {
    for (auto _ : state) {
        auto w = winding::wind(coil);
        benchmark::DoNotOptimize(w);
    }
}

// The coil form's example; a hair-thin bare wire one turn to a layer, whose
// 100 mH needs some 50,000 layers; a wide former under one turn a layer, where
// a new layer lowers the inductance; a single long layer that never reaches
// 100 mH; and a former so wide that the coils overflow before they reach the
// target.
BENCHMARK_CAPTURE(solve, example, winding::Coil{0.18f, 30, 20, 1});
BENCHMARK_CAPTURE(solve, hairThinOneTurnALayer, winding::Coil{100, 0.01f, 0.001f, 0.001f, 0.001f});
BENCHMARK_CAPTURE(solve, wideFormerOneTurnALayer, winding::Coil{100, 1000, 1, 1, 1});
BENCHMARK_CAPTURE(solve, unreachable, winding::Coil{100, 1, 100, 0.001f, 0.001f});
BENCHMARK_CAPTURE(solve, overflowing, winding::Coil{1e30f, 1e17f, 20, 1});

// Random coils over the whole range of sizes, targets up to 100 mH: the
// slowest solve among them, and the mean. Each coil counts with the fastest of
// five runs, so that a run the scheduler interrupted does not pass for slow.
void sweep(benchmark::State& state) {
    std::mt19937 engine(7);
    auto logBetween = [&](double low, double high) {
        return static_cast<float>(std::exp(
            std::uniform_real_distribution<double>(std::log(low), std::log(high))(engine)));
    };
    std::vector<winding::Coil> coils(20000);
    for (winding::Coil& coil : coils) {
        const float wire = logBetween(1e-3, 5);
        coil = {logBetween(1e-3, 100), logBetween(1e-2, 1000), wire * logBetween(1, 1e4), wire};
    }
    double slowest = 0;
    double total = 0;
    for (auto _ : state) {
        for (const winding::Coil& coil : coils) {
            double fastest = INFINITY;
            for (int run = 0; run < 5; ++run) {
                const auto start = std::chrono::steady_clock::now();
                auto w = winding::wind(coil);
                benchmark::DoNotOptimize(w);
                const std::chrono::duration<double, std::micro> took =
                    std::chrono::steady_clock::now() - start;
                fastest = std::min(fastest, took.count());
            }
            slowest = std::max(slowest, fastest);
            total += fastest;
        }
    }
    state.counters["slowest_us"] = slowest;
    state.counters["mean_us"] = total / static_cast<double>(coils.size());
}
BENCHMARK(sweep)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
