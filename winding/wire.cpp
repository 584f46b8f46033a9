#include <cfloat>
#include <cmath>

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

}  // namespace

std::expected<WireSuggestion, BadField> suggestWire(double power, double impedance,
                                                    double density) {
    if (!(power >= 0) || !std::isfinite(power)) {
        return std::unexpected(BadField{Problem::Negative, Field::Power});
    }
    if (!positive(impedance))
        return std::unexpected(BadField{Problem::NotPositive, Field::Impedance});
    if (!positive(density)) return std::unexpected(BadField{Problem::NotPositive, Field::Density});

    const double currentSquared = power / impedance;
    if (!(currentSquared <= FLT_MAX)) {
        // A huge power or a tiny impedance, whichever strays further from 1.
        const Field field = power * impedance >= 1 ? Field::Power : Field::Impedance;
        return std::unexpected(BadField{Problem::Overflow, field});
    }
    const double current = std::sqrt(currentSquared);
    // The current is now below 2^64: only a tiny density can overflow the wire.
    const auto wire = calc::wireSize(current, density);
    if (!wire) return std::unexpected(BadField{Problem::Overflow, Field::Density});
    return WireSuggestion{current, wire->d, nextTenthUp(wire->d)};
}

// As a difference of logarithms the ratio cannot underflow.
double seriesLoss(double impedance, double resistance) {
    return 20 * (std::log10(impedance) - std::log10(impedance + resistance));
}

}  // namespace winding
