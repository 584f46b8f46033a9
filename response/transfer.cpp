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

ladder::State<Complex> solved(const Network& network, double frequency) {
    const Complex s{0, 2 * std::numbers::pi * frequency};
    const Complex load =
        network.driver ? driver::impedance(*network.driver, frequency) : Complex(network.load);
    return ladder::walk(network, s, load, rescale);
}

}  // namespace

Complex transfer(const Network& network, double frequency) {
    const ladder::State<Complex> end = solved(network, frequency);
    // No voltage across the load (a short, or an open circuit on the way) is
    // H = 0 even where the source itself is shorted and sees no voltage either.
    if (end.output == 0.0) return 0;
    return end.output / end.voltage;
}

Complex sound(const Network& network, double frequency) {
    const Complex h = transfer(network, frequency);
    if (!network.driver) return h;
    return h * driver::acoustic(*network.driver, frequency) *
           std::polar(std::pow(10.0, -network.level / 20),
                      -2 * std::numbers::pi * frequency * network.delay);
}

Complex inputImpedance(std::span<const Branch> sections, double frequency) {
    Complex admittance = 0;
    for (const Branch& section : sections) {
        const ladder::State<Complex> end = solved(*section.network, frequency);
        if (end.voltage == 0.0) return 0;  // a short takes all
        admittance += end.current / end.voltage;
    }
    return admittance == 0.0 ? Complex(HUGE_VAL) : 1.0 / admittance;
}

Complex sumTransfer(std::span<const Branch> branches, double frequency) {
    Complex sum = 0;
    for (const Branch& branch : branches) {
        const Complex h = sound(*branch.network, frequency);
        sum += branch.reversed ? -h : h;
    }
    return sum;
}

}  // namespace response
