#include "winding/layers.h"

#include <cmath>

namespace winding {

namespace {

// Any region would do: a caption's text reads back to the same single in all.
const calc::Region plain{".", ""};

// The single that the caption's text of x reads back to. The text of a finite
// single always reads back, so value() never throws.
float shown(float x) {
    return calc::readField(calc::numberText(calc::roundTo2(x), plain), plain).value();
}

Field larger(float former, float height) { return former >= height ? Field::Former : Field::Wire; }

}  // namespace

std::expected<Layers, Field> layers(const Coil& coil, int count) {
    const float height = static_cast<float>(count) * coil.wire;
    if (!std::isfinite(height)) return std::unexpected(Field::Wire);
    const float meanDiameter = coil.former + height;
    if (!std::isfinite(meanDiameter)) return std::unexpected(larger(coil.former, height));
    return Layers{count, shown(height), shown(meanDiameter)};
}

std::expected<float, Field> inductance(const Coil& coil, int turns, const Layers& layers) {
    const float N = static_cast<float>(turns);
    const auto coilForm = calc::coilInductance(N, layers.meanDiameter, coil.length, layers.height);
    if (coilForm) return coilForm->L;
    // With positive fields the only failure is an overflow; if the same coil
    // 1 mm long still overflows, its diameter drives it, not its length.
    if (calc::coilInductance(N, layers.meanDiameter, 1.0f, layers.height)) {
        return std::unexpected(Field::Length);
    }
    return std::unexpected(larger(coil.former, layers.height));
}

}  // namespace winding
