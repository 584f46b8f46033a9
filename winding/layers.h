#pragma once

#include <expected>

#include "winding/winding.h"

namespace winding {

// How the turns lie: side by side at the pitch, the wire's outer diameter,
// perLayer to a layer; `field` sets the pitch and is named for what it drives.
struct Lay {
    float pitch;
    Field field;
    int perLayer;
};

// A coil of some turns as they lie, as a builder types it into
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
std::expected<Shape, Field> shape(const Coil& coil, const Lay& lay, int turns);

// The coil form's inductance of a shape, mH.
std::expected<float, Field> inductance(const Coil& coil, const Lay& lay, const Shape& shape);

}  // namespace winding
