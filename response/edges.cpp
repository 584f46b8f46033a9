#include "response/edges.h"

#include <cmath>
#include <numbers>

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

}  // namespace

Edges halfPowerEdges(const Network& network) {
    if (unusable(network) || network.load == 0) return {};
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
    // |H|^2 - 1/2 has the sign of 2|output|^2 - |voltage|^2.
    const Polynomial excess = squaredMagnitude(end.output) * 2 + squaredMagnitude(end.voltage) * -1;
    // Only parts scores of decades apart overflow; they are no crossover.
    if (!isFinite(excess)) return {};
    Edges edges;
    for (const Crossing& crossing : positiveCrossings(excess)) {
        const double frequency = omega * std::sqrt(crossing.x) / (2 * std::numbers::pi);
        if (crossing.rising && !edges.lower) edges.lower = frequency;
        if (!crossing.rising) edges.upper = frequency;
    }
    return edges;
}

}  // namespace response
