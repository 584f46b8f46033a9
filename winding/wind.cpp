#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <expected>
#include <iterator>
#include <numbers>
#include <optional>
#include <utility>

#include "winding/layers.h"
#include "winding/solve.h"
#include "winding/winding.h"

namespace winding {

namespace {

// Annealed copper by IEC 60028: 1/58 ohm mm^2/m at 20 degrees C, 8.89 g/cm^3.
constexpr double copperResistivity = 1.0 / 58;  // ohm mm^2/m
constexpr double copperDensity = 8.89e-3;       // g/mm^3

std::optional<Field> firstNotPositive(const Coil& coil) {
    const std::pair<Field, float> fields[] = {{Field::Inductance, coil.inductance},
                                              {Field::Former, coil.former},
                                              {Field::Length, coil.length},
                                              {Field::Wire, coil.wire},
                                              // an empty dl takes a positive default
                                              {Field::Outer, coil.outer.value_or(1.0f)}};
    for (const auto& [field, value] : fields) {
        if (!(value > 0) || !std::isfinite(value)) return field;
    }
    return std::nullopt;
}

// A single as the decimal the user typed: the shortest that reads back to it,
// digits * 10^exponent with at most nine digits.
struct Decimal {
    std::uint64_t digits = 0;
    int exponent = 0;
};

Decimal typed(float value) {
    char text[32];
    const char* end = std::to_chars(text, std::end(text), value, std::chars_format::scientific).ptr;
    Decimal decimal;
    const char* c = text;
    for (bool fraction = false; *c != 'e'; ++c) {
        if (*c == '.') {
            fraction = true;
            continue;
        }
        decimal.digits = decimal.digits * 10 + static_cast<std::uint64_t>(*c - '0');
        if (fraction) --decimal.exponent;
    }
    int exponent = 0;
    std::from_chars(c + (c[1] == '+' ? 2 : 1), end, exponent);
    decimal.exponent += exponent;
    return decimal;
}

// floor(a / b) in whole numbers, long division digit by digit, or cap + 1
// when larger: as singles, 20 / 0.8 is 24.99999997.
int wholeQuotient(Decimal a, Decimal b, int cap) {
    for (; a.exponent < b.exponent; --b.exponent) {
        if (b.digits > a.digits) return 0;
        b.digits *= 10;
    }
    std::uint64_t quotient = a.digits / b.digits;
    std::uint64_t rest = a.digits % b.digits;
    for (; a.exponent > b.exponent && quotient <= static_cast<std::uint64_t>(cap); --a.exponent) {
        quotient = quotient * 10 + rest * 10 / b.digits;
        rest = rest * 10 % b.digits;
    }
    return static_cast<int>(std::min(quotient, static_cast<std::uint64_t>(cap) + 1));
}

struct Copper {
    double length;  // m
    double resistance;
    double mass;
};

std::expected<Copper, Field> copper(const Coil& coil, const Lay& lay, int fullLayers,
                                    int lastLayer) {
    const double D = coil.former;
    const double dz = coil.wire;
    const double dl = lay.pitch;
    // Layer j winds its turns at D + (2j - 1) dl; over the full layers the odd
    // multiples of dl add up to fullLayers^2.
    const double fullDiameters =
        lay.perLayer * (fullLayers * D + static_cast<double>(fullLayers) * fullLayers * dl);
    const double lastDiameters = lastLayer * (D + (2.0 * fullLayers + 1) * dl);
    const double lengthMm = std::numbers::pi * (fullDiameters + lastDiameters);
    const double section = std::numbers::pi * dz * dz / 4;
    const double resistance = copperResistivity * (lengthMm / 1000) / section;
    const double mass = copperDensity * lengthMm * section;
    // The length is in range whenever the inductance was (turns times mean
    // diameter is bounded by then); resistance and mass leave it only with the
    // thinnest and the thickest wires.
    if (!(resistance <= FLT_MAX) || !(mass <= FLT_MAX)) return std::unexpected(Field::Wire);
    return Copper{lengthMm / 1000, resistance, mass};
}

std::vector<Neighbour> around(const Coil& coil, const Lay& lay, int turns) {
    std::vector<Neighbour> coils;
    for (int N = std::max(turns - 2, 1); N <= std::min(turns + 2, maxTurns); ++N) {
        const auto wound = shape(coil, lay, N);
        if (!wound) continue;
        if (const auto L = inductance(coil, lay, *wound)) coils.push_back({N, wound->layers, *L});
    }
    return coils;
}

}  // namespace

std::expected<Winding, BadField> wind(const Coil& coil) {
    if (const auto field = firstNotPositive(coil)) {
        return std::unexpected(BadField{Problem::NotPositive, *field});
    }
    if (coil.outer && *coil.outer < coil.wire)
        return std::unexpected(BadField{Problem::OuterBelowCopper, Field::Outer});
    const float pitch = coil.outer.value_or(overallDiameter(coil.wire));
    const Field pitchField = coil.outer ? Field::Outer : Field::Wire;
    const int perLayer = wholeQuotient(typed(coil.length), typed(pitch), maxTurns);
    if (perLayer == 0) return std::unexpected(BadField{Problem::WireThickerThanLength, pitchField});
    if (perLayer > maxTurns) return std::unexpected(BadField{Problem::LayerTooLong, Field::Length});
    const Lay lay{pitch, pitchField, perLayer};
    const auto turns = smallestTurns(coil, lay);
    if (!turns) return std::unexpected(turns.error());

    const Shape& found = turns->shape;
    const int fullLayers = found.layers - 1;
    const int lastLayer = found.turns - fullLayers * perLayer;
    const auto wire = copper(coil, lay, fullLayers, lastLayer);
    if (!wire) return std::unexpected(BadField{Problem::Overflow, wire.error()});
    return Winding{.turns = found.turns,
                   .perLayer = perLayer,
                   .layers = found.layers,
                   .lastLayer = lastLayer,
                   .height = found.height,
                   .meanDiameter = found.meanDiameter,
                   .length = found.length,
                   .lengthShown = found.length != coil.length,
                   .inductance = turns->inductance,
                   .wireLength = wire->length,
                   .resistance = wire->resistance,
                   .mass = wire->mass,
                   .around = around(coil, lay, found.turns)};
}

Coil defaultCoil(float millihenry) {
    return {.inductance = millihenry, .former = 30, .length = 20, .wire = 1};
}

}  // namespace winding
