#pragma once

#include <span>
#include <vector>

namespace driver {

// The minimum phase (radians) of a level known at rising ln f (at least two, all distinct), as
// ln|H| there: Bode's gain-phase relation, the Hilbert transform of the level over log frequency,
// with the level run on beyond the data at the slope of its outermost third of an octave.
std::vector<double> minimumPhase(std::span<const double> logFrequency,
                                 std::span<const double> logMagnitude);

}  // namespace driver
