#pragma once

#include <expected>

#include "winding/winding.h"

namespace winding {

// A coil wound in `count` layers, its height and mean diameter as their
// captions show them: these are the values a builder types into the coil form.
struct Layers {
    int count;
    float height;
    float meanDiameter;
};

// Both values rise with the count, and so does any overflow; a failure names
// the field that drives the overflowing step.
std::expected<Layers, Field> layers(const Coil& coil, int count);

// The coil form's inductance of `turns` turns wound in these layers, mH.
std::expected<float, Field> inductance(const Coil& coil, int turns, const Layers& layers);

}  // namespace winding
