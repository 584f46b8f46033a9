#include "response/sweep.h"

#include <cassert>
#include <cmath>
#include <numbers>

namespace response {

namespace {

Point pointOf(double frequency, std::complex<double> h) {
    double phase = std::arg(h) * (180 / std::numbers::pi);
    // arg gives -pi for a negative real H with a negative zero imaginary part.
    if (phase <= -180) phase += 360;
    return {frequency, 20 * std::log10(std::abs(h)), phase};
}

}  // namespace

std::vector<double> logSweep(double from, double to, int count) {
    if (count < 1) return {};
    std::vector<double> frequencies(count);
    const double ratio = to / from;
    for (int i = 1; i < count - 1; ++i) {
        frequencies[i] = from * std::pow(ratio, static_cast<double>(i) / (count - 1));
    }
    // Both ends exactly as asked; a single point is the first.
    frequencies.back() = to;
    frequencies.front() = from;
    return frequencies;
}

void evaluate(const Network& network, std::span<const double> frequencies, std::span<Point> out) {
    assert(out.size() == frequencies.size());
    for (std::size_t i = 0; i < frequencies.size(); ++i) {
        out[i] = pointOf(frequencies[i], transfer(network, frequencies[i]));
    }
}

void evaluateSum(std::span<const Branch> branches, std::span<const double> frequencies,
                 std::span<Point> out) {
    assert(out.size() == frequencies.size());
    for (std::size_t i = 0; i < frequencies.size(); ++i) {
        out[i] = pointOf(frequencies[i], sumTransfer(branches, frequencies[i]));
    }
}

}  // namespace response
