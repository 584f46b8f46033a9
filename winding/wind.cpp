#include <algorithm>
#include <cfloat>
#include <cmath>
#include <expected>
#include <numbers>
#include <optional>
#include <utility>

#include "winding/solve.h"
#include "winding/winding.h"

namespace winding {

namespace {

constexpr double copperResistivity = 0.0172;  // ohm mm^2/m, annealed
constexpr double copperDensity = 8.96e-3;     // g/mm^3

std::optional<Field> firstNotPositive(const Coil& coil) {
    const std::pair<Field, float> fields[] = {{Field::Inductance, coil.inductance},
                                              {Field::Former, coil.former},
                                              {Field::Length, coil.length},
                                              {Field::Wire, coil.wire}};
    for (const auto& [field, value] : fields) {
        if (!(value > 0) || !std::isfinite(value)) return field;
    }
    return std::nullopt;
}

// Exact: a quotient of two singles that is not whole lies farther than a
// double's rounding from every whole number up to maxTurns.
int turnsPerLayer(const Coil& coil) {
    const double fit = std::floor(double{coil.length} / double{coil.wire});
    return static_cast<int>(std::min(fit, double{maxTurns}));
}

struct Copper {
    double length;  // m
    double resistance;
    double mass;
};

std::expected<Copper, Field> copper(const Coil& coil, int perLayer, int fullLayers, int lastLayer) {
    const double D = coil.former;
    const double dz = coil.wire;
    // Layer j winds its turns at D + (2j - 1) dz; over the full layers the odd
    // multiples of dz add up to fullLayers^2.
    const double fullDiameters =
        perLayer * (fullLayers * D + static_cast<double>(fullLayers) * fullLayers * dz);
    const double lastDiameters = lastLayer * (D + (2.0 * fullLayers + 1) * dz);
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

}  // namespace

std::expected<Winding, BadField> wind(const Coil& coil) {
    if (const auto field = firstNotPositive(coil)) {
        return std::unexpected(BadField{Problem::NotPositive, *field});
    }
    const int perLayer = turnsPerLayer(coil);
    if (perLayer == 0)
        return std::unexpected(BadField{Problem::WireThickerThanLength, Field::Wire});
    const auto turns = smallestTurns(coil, perLayer);
    if (!turns) return std::unexpected(turns.error());

    const int fullLayers = turns->layers.count - 1;
    const int lastLayer = turns->count - fullLayers * perLayer;
    const auto wire = copper(coil, perLayer, fullLayers, lastLayer);
    if (!wire) return std::unexpected(BadField{Problem::Overflow, wire.error()});
    return Winding{.turns = turns->count,
                   .perLayer = perLayer,
                   .layers = turns->layers.count,
                   .lastLayer = lastLayer,
                   .height = turns->layers.height,
                   .meanDiameter = turns->layers.meanDiameter,
                   .inductance = turns->inductance,
                   .wireLength = wire->length,
                   .resistance = wire->resistance,
                   .mass = wire->mass};
}

}  // namespace winding
