#include <benchmark/benchmark.h>

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "calc/calc.h"

namespace {

const calc::Region region{",", "."};

// Numbers as captions show them: rounded to hundredths, from 0.001 to 1e9.
template <class T>
std::vector<T> captionValues() {
    std::mt19937 engine(1);
    std::uniform_real_distribution<double> decades(-3, 9);
    std::vector<T> values(1024);
    for (T& v : values) v = calc::roundTo2(static_cast<T>(std::pow(10.0, decades(engine))));
    return values;
}

const std::vector<float> singles = captionValues<float>();
const std::vector<double> doubles = captionValues<double>();

template <class T>
void numberText(benchmark::State& state, const std::vector<T>& values) {
    std::size_t i = 0;
    for (auto _ : state) {
        std::string text = calc::numberText(values[i++ % values.size()], region);
        benchmark::DoNotOptimize(text);
    }
}

template <class T>
void toChars(benchmark::State& state, const std::vector<T>& values) {
    std::size_t i = 0;
    char buffer[64];
    for (auto _ : state) {
        const auto result = std::to_chars(buffer, std::end(buffer), values[i++ % values.size()]);
        benchmark::DoNotOptimize(result);
        benchmark::ClobberMemory();
    }
}

void readField(benchmark::State& state) {
    const std::array<std::string, 6> texts{"500",   "4,5",       "1.000,5",
                                           "0,001", "123456,78", "1,5E-07"};
    std::size_t i = 0;
    for (auto _ : state) {
        auto value = calc::readField(texts[i++ % texts.size()], region);
        benchmark::DoNotOptimize(value);
    }
}

// One press of the woofer's second-order button with the default texts.
void pressLowPass12db(benchmark::State& state) {
    const std::string fpText = "500";
    const std::string zText = "4";
    for (auto _ : state) {
        const auto Fp = calc::readField(fpText, region);
        const auto Z = calc::readField(zText, region);
        const auto result = calc::lowPass12db(*Fp, *Z);
        std::string caption = calc::caption(*result, region);
        benchmark::DoNotOptimize(caption);
    }
}

BENCHMARK(readField);
BENCHMARK_CAPTURE(numberText, single, singles);
BENCHMARK_CAPTURE(toChars, single, singles);
BENCHMARK_CAPTURE(numberText, double, doubles);
BENCHMARK_CAPTURE(toChars, double, doubles);
BENCHMARK(pressLowPass12db);

// Prints, after the table, how much numberText costs next to std::to_chars.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) times_[run.benchmark_name()] = run.GetAdjustedCPUTime();
        ConsoleReporter::ReportRuns(runs);
    }

    void printRatios() const {
        for (const char* kind : {"single", "double"}) {
            const auto ours = times_.find(std::string("numberText/") + kind);
            const auto theirs = times_.find(std::string("toChars/") + kind);
            if (ours == times_.end() || theirs == times_.end()) continue;
            std::printf("numberText / std::to_chars (%s): %.2f\n", kind,
                        ours->second / theirs->second);
        }
    }

private:
    std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatios();
    benchmark::Shutdown();
}
