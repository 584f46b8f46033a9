#include "response/edges.h"

#include <cmath>
#include <numbers>
#include <optional>

#include "response/ladder.h"
#include "response/polynomial.h"
#include "response/sweep.h"

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
    if (unusable(network) || network.load == 0 || !isPlainLadder(network)) return std::nullopt;
    // In units of the load and of a frequency amid the parts' own corners, the
    // coefficients stay near 1 whatever the parts' scale.
    Network scaled = network;
    scaled.load = 1;
    double logSum = 0;
    int corners = 0;
    for (Part& part : scaled.parts) {
        part.value = part.capacitor ? part.value * network.load : part.value / network.load;
        part.resistance /= network.load;
        const double timeConstant = ladder::henryOrFarad(part);  // L/R or RC
        if (timeConstant > 0) {
            logSum += std::log(timeConstant);
            ++corners;
        }
    }
    const double omega = corners > 0 ? std::exp(-logSum / corners) : 1;
    const ladder::State<Polynomial> end = ladder::walk(
        scaled, Polynomial({0, omega}), Polynomial(1), [](ladder::State<Polynomial>&) {});
    Squares squares{omega, squaredMagnitude(end.output), squaredMagnitude(end.voltage)};
    // Only parts scores of decades apart overflow; they are no crossover.
    if (!isFinite(squares.output) || !isFinite(squares.voltage)) return std::nullopt;
    return squares;
}

double hertz(const Squares& squares, double x) {
    return squares.omega * std::sqrt(x) / (2 * std::numbers::pi);
}

// Where a level (f -> |H|^2 - 1/2) crosses half power, searched on a log grid,
// each crossing bisected in log f to a part in 1e12.
template <class Excess>
Edges searchedEdges(Excess excess) {
    constexpr double from = 1, to = 1e5;
    const int steps = static_cast<int>(std::ceil(24 * std::log2(to / from)));
    Edges edges;
    double below = std::log(from), atBelow = excess(from);
    for (int k = 1; k <= steps; ++k) {
        const double above = std::log(from) + k * std::log(to / from) / steps;
        const double atAbove = excess(std::exp(above));
        if ((atBelow < 0) != (atAbove < 0)) {
            const bool rising = atBelow < 0;
            double a = below, b = above;
            while (b - a > 1e-12) {
                const double middle = (a + b) / 2;
                ((excess(std::exp(middle)) < 0) == rising ? a : b) = middle;
            }
            const double frequency = std::exp((a + b) / 2);
            if (rising && !edges.lower) edges.lower = frequency;
            if (!rising) edges.upper = frequency;
        }
        below = above, atBelow = atAbove;
    }
    return edges;
}

}  // namespace

Edges halfPowerEdges(const Network& network) {
    if (!isPlainLadder(network) && !unusable(network)) {
        const double half = std::pow(correctedLevel(network), 2) / 2;
        return searchedEdges([&](double f) { return std::norm(transfer(network, f)) - half; });
    }
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

Edges soundEdges(const Network& network) {
    const auto level = network.driver ? driver::level(*network.driver) : std::nullopt;
    if (!level || unusable(network)) return {};
    const double own = std::pow(10.0, *level / 10) * std::pow(correctedLevel(network), 2);
    return searchedEdges([&](double f) {
        return std::norm(transfer(network, f) * driver::acoustic(*network.driver, f)) / own - 0.5;
    });
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
