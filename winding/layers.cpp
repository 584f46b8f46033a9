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

Field larger(float former, float height, const Lay& lay) {
    return former >= height ? Field::Former : lay.field;
}

}  // namespace

std::expected<Shape, Field> shape(const Coil& coil, const Lay& lay, int turns) {
    const int layers = (turns - 1) / lay.perLayer + 1;
    const float height = static_cast<float>(layers) * lay.pitch;
    if (!std::isfinite(height)) return std::unexpected(lay.field);
    const float meanDiameter = coil.former + height;
    if (!std::isfinite(meanDiameter)) return std::unexpected(larger(coil.former, height, lay));
    // A layer that holds all the turns is only as long as they lie.
    const float length = layers == 1 ? shown(static_cast<float>(turns) * lay.pitch) : coil.length;
    return Shape{turns, layers, shown(height), shown(meanDiameter), length};
}

std::expected<float, Field> inductance(const Coil& coil, const Lay& lay, const Shape& shape) {
    const float N = static_cast<float>(shape.turns);
    const auto coilForm = calc::coilInductance(N, shape.meanDiameter, shape.length, shape.height);
    if (coilForm) return coilForm->L;
    // The divisor 3 d0 + 9 l + 10 h is zero only when all three show as zero,
    // and then so does the numerator's d0: a coil of no inductance.
    if (coilForm.error().kind == calc::FaultKind::DivisionByZero) return 0.0f;
    // Otherwise a step overflows; if the same coil 1 mm long does not, its
    // great length drives the overflow, else its diameter.
    if (shape.length > 1 && calc::coilInductance(N, shape.meanDiameter, 1.0f, shape.height)) {
        return std::unexpected(Field::Length);
    }
    return std::unexpected(larger(coil.former, shape.height, lay));
}

}  // namespace winding
