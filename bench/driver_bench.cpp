// Reading a measured file of 2,000 lines, with its phase and without (then its minimum phase is
// derived), and what the response window asks of six drivers at every redraw.

#include <benchmark/benchmark.h>

#include <cmath>
#include <complex>
#include <string>
#include <vector>

#include "driver/driver.h"

namespace {

using driver::FileKind;

// The sample woofer from 10 Hz to 40 kHz in 2,000 lines, as a measuring program writes it.
std::string wooferFile(bool withPhase) {
    const driver::Parameters& woofer = driver::examples[0].parameters;
    std::string text = "* Freq(Hz) SPL(dB) Phase(deg)\n";
    for (int i = 0; i < 2000; ++i) {
        const double f = 10 * std::pow(4000.0, i / 1999.0);
        const std::complex<double> h = driver::acoustic(woofer, f);
        text += std::to_string(f) + ' ' + std::to_string(20 * std::log10(std::abs(h)));
        if (withPhase) text += ' ' + std::to_string(std::arg(h) * 57.29577951308232);
        text += '\n';
    }
    return text;
}

void read(benchmark::State& state) {
    const bool withPhase = state.range(0);
    state.SetLabel(withPhase ? "with phase" : "minimum phase");
    const std::string text = wooferFile(withPhase);
    for (auto _ : state) benchmark::DoNotOptimize(driver::readMeasurement(FileKind::Frd, text));
}

// Six drivers at 500 frequencies, Z and H each: the three sample models and the three read from
// their files.
void sixDrivers(benchmark::State& state) {
    std::vector<driver::Driver> drivers;
    for (const driver::Example& e : driver::examples) drivers.push_back(e.parameters);
    const std::string frd = wooferFile(true), zma = "10 7 20\n100 30 -40\n1000 9 30\n40000 60 70\n";
    drivers.push_back(driver::Measured{*driver::readMeasurement(FileKind::Frd, frd),
                                       *driver::readMeasurement(FileKind::Zma, zma)});
    drivers.push_back(
        driver::Measured{*driver::readMeasurement(FileKind::Frd, wooferFile(false)), std::nullopt});
    drivers.push_back(driver::Measured{std::nullopt, *driver::readMeasurement(FileKind::Zma, zma)});
    std::vector<std::complex<double>> z(500), h(500);
    for (auto _ : state) {
        for (const driver::Driver& d : drivers) {
            for (int i = 0; i < 500; ++i) {
                const double f = 10 * std::pow(4000.0, i / 499.0);
                z[i] = driver::impedance(d, f);
                h[i] = driver::acoustic(d, f);
            }
            benchmark::DoNotOptimize(z.data());
            benchmark::DoNotOptimize(h.data());
        }
    }
}

BENCHMARK(read)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(sixDrivers)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
