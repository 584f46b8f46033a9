#include "response/standard.h"

#include <array>
#include <cmath>
#include <span>
#include <vector>

namespace response {

namespace {

// Members as two significant digits: 47 is 4.7, 47, 470 ... in their decades.
constexpr std::array<int, 12> e12{10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82};
constexpr std::array<int, 24> e24{10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                                  33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};

// digits * 10^exponent. Powers of ten up to 1e22 are exact doubles, so dividing
// by one rounds once, where multiplying by 1e-2 (not exact) would round twice.
double scaled(int digits, int exponent) {
    if (exponent < 0 && exponent >= -22) return digits / std::pow(10.0, -exponent);
    return digits * std::pow(10.0, exponent);
}

}  // namespace

std::optional<double> nearestStandard(double value, Series series) {
    if (!(value > 0) || !std::isfinite(value)) return std::nullopt;
    const std::span<const int> members =
        series == Series::E12 ? std::span<const int>(e12) : std::span<const int>(e24);
    // value = digits * 10^exponent, digits in [10, 100). Where log10 lands a hair
    // beside a decade, value lies a hair beside that decade's 10 and still picks it.
    const int exponent = static_cast<int>(std::floor(std::log10(value))) - 1;
    // The members either side of value; above the last comes 10 of the next decade.
    double below = scaled(members.front(), exponent);
    double above = scaled(100, exponent);
    for (int digits : members) {
        const double member = scaled(digits, exponent);
        if (member > value) {
            above = member;
            break;
        }
        below = member;
    }
    // Nearest on a log scale: the switch is at sqrt(below * above); a tie goes up.
    return value / below < above / value ? below : above;
}

driver::Correction standardOf(const driver::Correction& correction, Series capacitors) {
    std::vector<double> values;
    for (const driver::Component& part : driver::components(correction)) {
        const auto standard =
            part.element == driver::Element::Coil
                ? std::nullopt
                : nearestStandard(part.value, part.element == driver::Element::Resistor
                                                  ? Series::E24
                                                  : capacitors);
        values.push_back(standard.value_or(part.value));
    }
    return driver::withValues(correction, values);
}

Network withStandardParts(const Network& network, Series capacitors) {
    Network standard = network;
    for (Part& part : standard.parts) {
        if (!part.capacitor) continue;
        if (const auto value = nearestStandard(part.value, capacitors)) part.value = *value;
    }
    for (driver::Correction& correction : standard.corrections)
        correction = standardOf(correction, capacitors);
    return standard;
}

}  // namespace response
