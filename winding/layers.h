#pragma once

#include <expected>

#include "winding/winding.h"

namespace winding {

// A coil of some turns wound perLayer to a layer, as a builder types it into
// the coil form: N, and h, d0 and l as their captions show them.
struct Shape {
    int turns;
    int layers;
    float height;
    float meanDiameter;
    float length;  // l, or in one layer the length its turns cover
};

// The height and mean diameter rise with the turns, and so does any overflow;
// the length rises within the first layer and is l in every other. A failure
// names the field that drives the overflowing step.
std::expected<Shape, Field> shape(const Coil& coil, int perLayer, int turns);

// The coil form's inductance of a shape, mH.
std::expected<float, Field> inductance(const Coil& coil, const Shape& shape);

}  // namespace winding
