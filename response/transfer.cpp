#include <algorithm>
#include <cmath>
#include <numbers>

#include "response/ladder.h"
#include "response/sweep.h"

namespace response {

namespace {

using Complex = std::complex<double>;

// Each part may multiply the state by up to its sL or sC: parts many decades
// from 1 would leave the double range. A power of two keeps H exactly as it is.
void rescale(ladder::State<Complex>& state) {
    double largest = 0;
    for (const Complex& z : {state.output, state.voltage, state.current}) {
        largest = std::max({largest, std::abs(z.real()), std::abs(z.imag())});
    }
    if (largest == 0 || !std::isfinite(largest)) return;
    int exponent;
    std::frexp(largest, &exponent);
    const double factor = std::ldexp(1.0, -exponent);
    state.output *= factor;
    state.voltage *= factor;
    state.current *= factor;
}

}  // namespace

Complex transfer(const Network& network, double frequency) {
    const Complex s{0, 2 * std::numbers::pi * frequency};
    const ladder::State<Complex> end = ladder::walk(network, s, rescale);
    // No voltage across the load (a short, or an open circuit on the way) is
    // H = 0 even where the source itself is shorted and sees no voltage either.
    if (end.output == 0.0) return 0;
    return end.output / end.voltage;
}

Complex sumTransfer(std::span<const Branch> branches, double frequency) {
    Complex sum = 0;
    for (const Branch& branch : branches) {
        const Complex h = transfer(*branch.network, frequency);
        sum += branch.reversed ? -h : h;
    }
    return sum;
}

}  // namespace response
