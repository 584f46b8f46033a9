#pragma once

#include <optional>
#include <vector>

#include "response/network.h"

namespace response {

// The half-power (-3.01 dB, |H|^2 = 1/2) frequencies in Hz: the lower edge
// where the curve first rises through it (a high-pass or band-pass), the upper
// edge where it last falls through it (a low-pass or band-pass); nothing where
// the curve never crosses it, and nothing for an unusable network. Into a
// driver's Z(f) or through corrections, which no polynomial of ours holds, they
// are searched from 1 Hz to 100 kHz, every 24th of an octave, each crossing
// bisected, and counted from the level the corrections leave (correctedLevel).
struct Edges {
    std::optional<double> lower;
    std::optional<double> upper;
};
Edges halfPowerEdges(const Network&);

// The same edges of what a driver plays against the driver alone: where H(f)
// times its acoustic response is 3 dB below its own level (driver::level), less
// what the corrections take (correctedLevel).
// Nothing without a driver that plays.
Edges soundEdges(const Network&);

// Where the level turns, in Hz ascending: each peak and each dip of |H| between
// its slopes; nothing for an unusable network or one that is no plain ladder.
std::vector<double> turningFrequencies(const Network&);

}  // namespace response
