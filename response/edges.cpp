#include "response/edges.h"

#include <cmath>
#include <numbers>
#include <optional>

#include "response/ladder.h"
#include "response/polynomial.h"

namespace response {

namespace {

// |P(jw)|^2 as a polynomial in x = w^2: the even powers of s make the real
// part, the odd ones w times the imaginary part.
Polynomial squaredMagnitude(const Polynomial& p) {
    const auto& a = p.coefficients;
    const Polynomial real({a[0], -a[2], a[4]});
    const Polynomial imaginary({a[1], -a[3]});
    return real * real + Polynomial({0, 1}) * imaginary * imaginary;
}

bool isFinite(const Polynomial& p) {
    for (double c : p.coefficients) {
        if (!std::isfinite(c)) return false;
    }
    return true;
}

// |output|^2 and |voltage|^2 of a network, whose quotient is |H|^2, as
// polynomials in x = (w / omega)^2; nothing where they cannot be held.
struct Squares {
    double omega;
    Polynomial output;
    Polynomial voltage;
};

std::optional<Squares> squaresOf(const Network& network) {
    if (unusable(network) || network.load == 0) return std::nullopt;
    // In units of the load and of a frequency amid the parts' own corners, the
    // coefficients stay near 1 whatever the parts' scale.
    Network scaled = network;
    scaled.load = 1;
    double logSum = 0;
    int corners = 0;
    for (Part& part : scaled.parts) {
        part.value = part.capacitor ? part.value * network.load : part.value / network.load;
        const double timeConstant = ladder::henryOrFarad(part);  // L/R or RC
        if (timeConstant > 0) {
            logSum += std::log(timeConstant);
            ++corners;
        }
    }
    const double omega = corners > 0 ? std::exp(-logSum / corners) : 1;
    const ladder::State<Polynomial> end =
        ladder::walk(scaled, Polynomial({0, omega}), [](ladder::State<Polynomial>&) {});
    Squares squares{omega, squaredMagnitude(end.output), squaredMagnitude(end.voltage)};
    // Only parts scores of decades apart overflow; they are no crossover.
    if (!isFinite(squares.output) || !isFinite(squares.voltage)) return std::nullopt;
    return squares;
}

double hertz(const Squares& squares, double x) {
    return squares.omega * std::sqrt(x) / (2 * std::numbers::pi);
}

}  // namespace

Edges halfPowerEdges(const Network& network) {
    const auto squares = squaresOf(network);
    if (!squares) return {};
    // |H|^2 - 1/2 has the sign of 2|output|^2 - |voltage|^2.
    const Polynomial excess = squares->output * 2 + squares->voltage * -1;
    if (!isFinite(excess)) return {};
    Edges edges;
    for (const Crossing& crossing : positiveCrossings(excess)) {
        const double frequency = hertz(*squares, crossing.x);
        if (crossing.rising && !edges.lower) edges.lower = frequency;
        if (!crossing.rising) edges.upper = frequency;
    }
    return edges;
}

std::vector<double> turningFrequencies(const Network& network) {
    const auto squares = squaresOf(network);
    if (!squares) return {};
    // (N/D)' = (N'D - ND') / D^2 changes sign where N/D turns.
    const Polynomial& n = squares->output;
    const Polynomial& d = squares->voltage;
    const Polynomial slope = derivative(n) * d + n * derivative(d) * -1;
    if (!isFinite(slope)) return {};
    std::vector<double> turns;
    for (const Crossing& crossing : positiveCrossings(slope))
        turns.push_back(hertz(*squares, crossing.x));
    return turns;
}

}  // namespace response
