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

constexpr double milli = 1e-3, micro = 1e-6;

// A correction at s: its impedance in series toward the crossover, its admittance across the
// loudspeaker, and whether it shorts the loudspeaker (a notch of no resistance at resonance).
struct Sides {
    Complex series = 0;
    Complex across = 0;
    bool shorts = false;
};

Sides sidesOf(const driver::Correction& correction, Complex s) {
    if (const auto* z = std::get_if<driver::Zobel>(&correction)) {
        const Complex sc = s * z->capacitance * micro;
        return {0, sc / (1.0 + sc * z->resistance)};
    }
    if (const auto* pad = std::get_if<driver::LPad>(&correction))
        return {pad->series, pad->parallel == 0 ? 0 : 1 / pad->parallel, pad->parallel == 0};
    if (const auto* n = std::get_if<driver::Notch>(&correction)) {
        const Complex sc = s * n->capacitance * micro;
        const Complex denominator = 1.0 + sc * (n->resistance + s * n->inductance * milli);
        return {0, denominator == 0.0 ? 0 : sc / denominator, denominator == 0.0};
    }
    const auto& step = std::get<driver::BaffleStep>(correction);
    const Complex sl = s * step.inductance * milli;
    // A coil of 0 mH or no resistor across it is a wire.
    return {step.resistance == 0 || sl == 0.0 ? 0 : step.resistance * sl / (step.resistance + sl)};
}

// The corrections with the loudspeaker: what the crossover feeds, and the loudspeaker's share of
// the voltage across it.
struct Corrected {
    Complex input;
    Complex share;
};

Corrected corrected(std::span<const driver::Correction> corrections, Complex load, Complex s) {
    if (corrections.empty()) return {load, 1};
    Complex series = 0, across = load == 0.0 ? 0 : 1.0 / load;
    bool shorted = load == 0.0;
    for (const driver::Correction& correction : corrections) {
        const Sides sides = sidesOf(correction, s);
        series += sides.series;
        across += sides.across;
        shorted = shorted || sides.shorts;
    }
    if (shorted) return {series, 0};
    const Complex parallel = 1.0 / across, input = series + parallel;
    return {input, input == 0.0 ? 0 : parallel / input};
}

struct Solved {
    ladder::State<Complex> end;
    Corrected corrected;
    Complex s;
};

Solved solved(const Network& network, double frequency) {
    const Complex s{0, 2 * std::numbers::pi * frequency};
    const Complex load =
        network.driver ? driver::impedance(*network.driver, frequency) : Complex(network.load);
    const Corrected after = corrected(network.corrections, load, s);
    return {ladder::walk(network, s, after.input, rescale), after, s};
}

// The crossover's output over the amplifier's voltage.
Complex ladderTransfer(const ladder::State<Complex>& end) {
    // No voltage across the load (a short, or an open circuit on the way) is
    // H = 0 even where the source itself is shorted and sees no voltage either.
    return end.output == 0.0 ? 0 : end.output / end.voltage;
}

}  // namespace

Complex transfer(const Network& network, double frequency) {
    const Solved solution = solved(network, frequency);
    return ladderTransfer(solution.end) * solution.corrected.share;
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
        const ladder::State<Complex> end = solved(*section.network, frequency).end;
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

std::vector<double> resistorPowers(const Network& network, double volts, double frequency) {
    const auto [end, after, s] = solved(network, frequency);
    const Complex input = volts * ladderTransfer(end);
    const Complex current = after.input == 0.0 ? 0 : input / after.input;
    const Complex across = input * after.share;
    // Through a resistor R of a branch of admittance y across the loudspeaker: |across y|^2 R.
    const auto inBranch = [&](double r, Complex y) { return std::norm(across * y) * r; };
    std::vector<double> watts;
    for (const driver::Correction& correction : network.corrections) {
        const Sides sides = sidesOf(correction, s);
        if (const auto* z = std::get_if<driver::Zobel>(&correction)) {
            watts.push_back(inBranch(z->resistance, sides.across));
        } else if (const auto* pad = std::get_if<driver::LPad>(&correction)) {
            watts.push_back(std::norm(current) * pad->series);
            watts.push_back(pad->parallel == 0 ? 0 : std::norm(across) / pad->parallel);
        } else if (const auto* n = std::get_if<driver::Notch>(&correction)) {
            watts.push_back(sides.shorts ? 0 : inBranch(n->resistance, sides.across));
        } else {
            const double r = std::get<driver::BaffleStep>(correction).resistance;
            watts.push_back(r == 0 ? 0 : std::norm(current * sides.series) / r);
        }
    }
    return watts;
}

}  // namespace response
