#pragma once

#include <expected>

#include "winding/layers.h"
#include "winding/winding.h"

namespace winding {

struct Turns {
    Shape shape;
    float inductance;  // mH
};

// The smallest number of turns, at most maxTurns, whose coil reaches the
// target when its turns lie so (perLayer >= 1).
std::expected<Turns, BadField> smallestTurns(const Coil& coil, const Lay& lay);

}  // namespace winding
