#include "driver/minimum_phase.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "driver/interpolation.h"

namespace driver {

namespace {

constexpr double pi = std::numbers::pi;

// Sum of z^k / k^2 for z <= 1/2, to the last bit.
double dilogSeries(double z) {
    double sum = 0, power = z;
    for (int k = 1; power > 1e-18; ++k, power *= z) sum += power / (k * k);
    return sum;
}

// Li2(e^-x), x >= 0; near 1 by the reflection Li2(z) = pi^2/6 - ln z ln(1 - z) - Li2(1 - z).
double dilogOfExp(double x) {
    if (x == 0) return pi * pi / 6;
    const double z = std::exp(-x);
    if (z <= 0.5) return dilogSeries(z);
    const double rest = -std::expm1(-x);  // 1 - z, without the cancellation
    return pi * pi / 6 + x * std::log(rest) - dilogSeries(rest);
}

// The integral of Bode's kernel ln coth(|u|/2) from 0 to x >= 0, which the odd terms of the
// dilogarithm give in closed form; pi^2/4 at infinity.
double kernelIntegral(double x) { return pi * pi / 4 - 2 * dilogOfExp(x) + dilogOfExp(2 * x) / 2; }

// The grid: fine enough that its straight pieces follow any driver's level, coarse enough for
// the sum over all pairs of points to stay in milliseconds however wide the data.
constexpr double gridStep = std::numbers::ln2 / 64;
constexpr int maxGridPoints = 2048;

}  // namespace

std::vector<double> minimumPhase(std::span<const double> logFrequency,
                                 std::span<const double> logMagnitude) {
    const double from = logFrequency.front(), width = logFrequency.back() - from;
    const int n =
        static_cast<int>(std::clamp(std::ceil(width / gridStep) + 1, 2.0, double{maxGridPoints}));
    const double step = width / (n - 1);
    auto level = [&](double u) { return valueAt(logMagnitude, cellOf(logFrequency, u)); };

    std::vector<double> grid(n), slope(n - 1);
    for (int k = 0; k < n; ++k) grid[k] = from + k * step;
    for (int k = 0; k + 1 < n; ++k) slope[k] = (level(grid[k + 1]) - level(grid[k])) / step;
    const double tail = std::min(std::numbers::ln2 / 3, width);
    const double lowSlope = (level(from + tail) - logMagnitude.front()) / tail;
    const double highSlope = (logMagnitude.back() - level(logFrequency.back() - tail)) / tail;

    // The kernel's integral over cell j seen from point i depends on j - i only.
    std::vector<double> integral(n), weight(2 * n - 2);
    for (int k = 1; k < n; ++k) integral[k] = kernelIntegral(k * step);
    auto signedIntegral = [&](int k) { return k < 0 ? -integral[-k] : integral[k]; };
    for (int d = 1 - n; d <= n - 2; ++d)
        weight[d + n - 1] = signedIntegral(d + 1) - signedIntegral(d);

    std::vector<double> phase(n);
    for (int i = 0; i < n; ++i) {
        // Beyond the data the slope holds to either end of the spectrum.
        double sum = lowSlope * (pi * pi / 4 - integral[i]) +
                     highSlope * (pi * pi / 4 - integral[n - 1 - i]);
        const double* w = &weight[n - 1 - i];
        for (int j = 0; j + 1 < n; ++j) sum += slope[j] * w[j];
        phase[i] = sum / pi;
    }
    std::vector<double> atSamples;
    atSamples.reserve(logFrequency.size());
    for (double u : logFrequency) atSamples.push_back(valueAt(phase, cellOf(grid, u)));
    return atSamples;
}

}  // namespace driver
