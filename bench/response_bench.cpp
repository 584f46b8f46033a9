// The response window's work after a press: the curves at 400 points each and
// their turns, the sum, and the -3 dB edges, for every crossover form's default
// texts.

#include <benchmark/benchmark.h>

#include <array>
#include <vector>

#include "calc/calc.h"
#include "response/response.h"

namespace {

using response::Network;
using response::Point;

constexpr int points = 400;

struct Named {
    const char* name;
    Network network;
};

const std::array<Named, 6> defaults{{
    {"woofer6db", response::networkOf(*calc::lowPass6db(500, 4), 4)},
    {"woofer12db", response::networkOf(*calc::lowPass12db(500, 4), 4)},
    {"midrange6db", response::networkOf(*calc::bandPass6db(500, 4), 4)},
    {"midrange12db", response::networkOf(*calc::bandPass12db(500, 5000, 4), 4)},
    {"tweeter6db", response::networkOf(*calc::highPass6db(5000, 4), 4)},
    {"tweeter12db", response::networkOf(*calc::highPass12db(5000, 4), 4)},
}};

const std::vector<double> frequencies = response::logSweep(10, 40000, points);

std::vector<response::Branch> allInTheSum(const std::vector<Network>& networks) {
    std::vector<response::Branch> branches;
    for (const Network& n : networks) branches.push_back({&n, branches.size() % 2 == 1});
    return branches;
}

// Six curves and the sum of all six.
void sixCurvesAndSum(benchmark::State& state) {
    std::vector<Network> networks;
    for (const Named& d : defaults) networks.push_back(d.network);
    const std::vector<response::Branch> branches = allInTheSum(networks);
    std::vector<std::vector<Point>> curves(networks.size() + 1, std::vector<Point>(points));
    for (auto _ : state) {
        for (std::size_t i = 0; i < networks.size(); ++i)
            response::evaluate(networks[i], frequencies, curves[i]);
        response::evaluateSum(branches, frequencies, curves.back());
        benchmark::DoNotOptimize(curves.back().data());
        benchmark::ClobberMemory();
    }
}

// Everything the window computes: the six networks as computed and with E12
// capacitors, each through its own turns and edges, both sets of edges, and
// the sum with its turns refined and the facts the table gives of it.
void wholeWindow(benchmark::State& state) {
    std::vector<Network> networks;
    for (const Named& d : defaults) networks.push_back(d.network);
    const std::vector<response::Branch> branches = allInTheSum(networks);
    std::vector<Point> curve;
    for (auto _ : state) {
        std::vector<response::Edges> edges;
        for (const Network& network : networks) {
            const Network standard = response::withStandardParts(network, response::Series::E12);
            for (const Network* drawn : {&network, &standard}) {
                const std::vector<double> at = response::drawnFrequencies(*drawn, frequencies);
                curve.resize(at.size());
                response::evaluate(*drawn, at, curve);
                benchmark::DoNotOptimize(curve.data());
            }
            edges.push_back(response::halfPowerEdges(network));
            benchmark::DoNotOptimize(response::halfPowerEdges(standard));
        }
        const std::vector<Point> sum = response::drawnSum(branches, frequencies);
        benchmark::DoNotOptimize(response::turnsWithin(sum, *response::passBand(edges)));
        benchmark::ClobberMemory();
    }
}

void halfPowerEdges(benchmark::State& state) {
    const Named& d = defaults[state.range(0)];
    state.SetLabel(d.name);
    for (auto _ : state) benchmark::DoNotOptimize(response::halfPowerEdges(d.network));
}

void transfer(benchmark::State& state) {
    const Named& d = defaults[state.range(0)];
    state.SetLabel(d.name);
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(response::transfer(d.network, frequencies[i++ % points]));
}

BENCHMARK(sixCurvesAndSum)->Unit(benchmark::kMicrosecond);
BENCHMARK(wholeWindow)->Unit(benchmark::kMicrosecond);
BENCHMARK(halfPowerEdges)->DenseRange(0, 5);
BENCHMARK(transfer)->DenseRange(0, 5);

}  // namespace

BENCHMARK_MAIN();
