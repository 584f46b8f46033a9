#pragma once

#include <complex>
#include <optional>
#include <span>
#include <vector>

#include "response/edges.h"
#include "response/network.h"

namespace response {

// H(f), the voltage across the loudspeaker (the load, or the driver's Z(f))
// over the amplifier's, at f >= 0 Hz, never NaN for a network that is not
// unusable. A load of 0 takes nothing: H = 0.
std::complex<double> transfer(const Network&, double frequency);

// What the loudspeaker plays: H(f) times the driver's acoustic response, late
// by its delay and `level` dB down; H(f) where the load is a resistor.
std::complex<double> sound(const Network&, double frequency);

// The speed of sound that turns an acoustic centre's depth into a delay.
inline constexpr double speedOfSound = 343;  // m/s

struct Point {
    double frequency;  // Hz
    double level;      // dB (|Z| in ohm for an impedance)
    double phase;      // degrees
    // Not where a driver's file is held at its end sample: an extrapolation.
    bool measured = true;
};

// `count` frequencies evenly spaced on a log scale, from..to inclusive.
std::vector<double> logSweep(double from, double to, int count);

// The sound at each frequency as level 20*log10|H| (-infinity where H = 0,
// never NaN) and phase arg H in degrees (-180, 180]. out is as long as
// frequencies.
void evaluate(const Network&, std::span<const double> frequencies, std::span<Point> out);

// The sum of several drivers, each possibly wired in reverse: sum of (+/-)H_i.
struct Branch {
    const Network* network;
    bool reversed;
};
std::complex<double> sumTransfer(std::span<const Branch>, double frequency);
void evaluateSum(std::span<const Branch>, std::span<const double> frequencies,
                 std::span<Point> out);

// What the amplifier sees, in ohm, of sections on it in parallel (polarity
// aside): infinite where no current flows, 0 where one is a short.
std::complex<double> inputImpedance(std::span<const Branch> sections, double frequency);
// As points whose level is |Z| in ohm, at the grid and the bottom of every dip.
std::vector<Point> drawnImpedance(std::span<const Branch> sections, std::span<const double> grid);

// The power (W) each resistor of a network's corrections takes at a frequency when the amplifier
// gives `volts`, in the order of the corrections and of their components.
std::vector<double> resistorPowers(const Network&, double volts, double frequency);

// The most each of them takes where it is heard, 20 Hz to 20 kHz, and where: sampled every 24th of
// an octave, the highest refined by a golden-section search between the samples either side.
struct Dissipation {
    double watts;
    double frequency;  // Hz
    bool everywhere;   // the same at every frequency sampled
};
std::vector<Dissipation> worstResistorPowers(const Network&, double volts);

// What a chart draws, so that a line through its points shows every peak and
// dip however sharp: a network at an ascending grid and, within the grid's
// range, where its level turns and crosses half power.
std::vector<double> drawnFrequencies(const Network&, std::span<const double> grid);
// The sum at the grid, at its branches' turns, and at the top of every peak and
// the bottom of every dip the samples show (a golden-section search between the
// samples either side); ascending.
std::vector<Point> drawnSum(std::span<const Branch>, std::span<const double> grid);

// The band a sum is judged in, for a reader who cannot see its curve: from the
// lowest lower edge to the highest upper edge of the curves in it, a curve
// without a lower edge reaching down and one without an upper edge reaching up,
// within what is heard, 20 Hz to 20 kHz; nothing where no band is left.
struct Band {
    double lower;  // Hz
    double upper;
};
inline constexpr double lowestHeard = 20, highestHeard = 20000;
std::optional<Band> passBand(std::span<const Edges> curves);

// The deepest dip and the highest peak of a drawn curve within a band: points
// below or above both their neighbours, as drawnSum puts one at each.
struct Turns {
    std::optional<Point> dip;
    std::optional<Point> peak;
};
Turns turnsWithin(std::span<const Point> curve, Band band);

}  // namespace response
