#include <cmath>
#include <utility>

#include "winding/winding.h"

namespace winding {

namespace {

bool positive(double value) { return value > 0 && std::isfinite(value); }

// Counted in whole hundredths, as the caption shows the diameter, so that
// 1.50 stays 1.5.
double nextTenthUp(double diameter) {
    const double hundredths = std::round(calc::roundTo2(diameter) * 100);
    return std::ceil(hundredths / 10) / 10;
}

// The field that pushes the diameter furthest out of bounds, in the direction
// (+1 thicker, -1 thinner) that it left them: d grows as (P / Z)^(1/4) J^(-1/2),
// and each field pushes by its factor on the window's defaults, 100 W, 4 ohm
// and 3 A/mm^2. A power of zero pushes infinitely thinner.
Field furthestOut(double power, double impedance, double density, int direction) {
    const std::pair<Field, double> pushes[] = {{Field::Power, std::log(power / 100) / 4},
                                               {Field::Impedance, -std::log(impedance / 4) / 4},
                                               {Field::Density, -std::log(density / 3) / 2}};
    auto furthest = pushes[0];
    for (const auto& push : pushes)
        if (direction * push.second > direction * furthest.second) furthest = push;
    return furthest.first;
}

}  // namespace

std::expected<WireSuggestion, BadField> suggestWire(double power, double impedance,
                                                    double density) {
    if (!(power >= 0) || !std::isfinite(power)) {
        return std::unexpected(BadField{Problem::Negative, Field::Power});
    }
    if (!positive(impedance))
        return std::unexpected(BadField{Problem::NotPositive, Field::Impedance});
    if (!positive(density)) return std::unexpected(BadField{Problem::NotPositive, Field::Density});

    // A current or a wire beyond the range of the steps is a wire too thick.
    const double current = std::sqrt(power / impedance);
    const auto wire = calc::wireSize(current, density);
    const double shown = wire ? calc::roundTo2(wire->d) : INFINITY;
    if (shown < thinnestWire) {
        return std::unexpected(
            BadField{Problem::BelowThinnestWire, furthestOut(power, impedance, density, -1)});
    }
    if (shown > thickestWire) {
        return std::unexpected(
            BadField{Problem::AboveThickestWire, furthestOut(power, impedance, density, 1)});
    }
    return WireSuggestion{current, wire->d, nextTenthUp(wire->d)};
}

double cutLength(const Winding& winding) {
    return winding.wireLength * (1 + cutMargin) + 2 * leadLength;
}

// As a difference of logarithms the ratio cannot underflow.
double seriesLoss(double impedance, double resistance) {
    return 20 * (std::log10(impedance) - std::log10(impedance + resistance));
}

}  // namespace winding
