#pragma once

// The four small networks a builder puts between a crossover and its driver, so that the driver
// behaves like the resistor the textbook values assume, or plays at the level of the others.
//
// Figures in (the driver's, or a level in dB), parts out: each maker gives a Correction's parts, or
// the field that cannot be used. components lists the parts for a table; fitVoiceCoil takes Re and
// Le from a measured ZMA well above the driver's resonance.

#include <cstddef>
#include <expected>
#include <optional>
#include <span>
#include <variant>
#include <vector>

#include "driver/measurement.h"

namespace driver {

// A series R-C across the driver that cancels its voice coil's rising impedance.
struct Zobel {
    double resistance;   // ohm
    double capacitance;  // uF
    bool operator==(const Zobel&) const = default;
};

// Two resistors that lower the level while the amplifier still sees the impedance they were made
// for: `series` toward the crossover, `parallel` across the driver.
struct LPad {
    double series;    // ohm
    double parallel;  // ohm
    bool operator==(const LPad&) const = default;
};

// A series L-C-R across the driver that flattens its impedance peak at resonance.
struct Notch {
    double resistance;   // ohm
    double inductance;   // mH
    double capacitance;  // uF
    bool operator==(const Notch&) const = default;
};

// A coil with a resistor across it, in series with the woofer: above the step the level is down.
struct BaffleStep {
    double resistance;  // ohm
    double inductance;  // mH
    bool operator==(const BaffleStep&) const = default;
};

using Correction = std::variant<Zobel, LPad, Notch, BaffleStep>;

// A maker's argument that cannot be used, by its place among the arguments.
enum class Problem {
    NotPositive,
    RatioOutside,  // a Zobel's Rz / Re beyond 1 to 1.25
    OutOfRange     // a part beyond what a double holds, blamed on the argument furthest from 1
};
struct BadField {
    std::size_t field;
    Problem problem;
    bool operator==(const BadField&) const = default;
};
template <class T>
using Made = std::expected<T, BadField>;

// Rz = ratio * Re, Cz = Le / Re^2: with ratio 1, Re + jwLe across it is Re at every frequency.
inline constexpr double lowestRatio = 1, highestRatio = 1.25;
Made<Zobel> zobel(double re, double le, double ratio);  // ohm, mH, Rz / Re

// a = 10^(-dB/20): Rs = Z (1 - a), Rp = Z a / (1 - a), so that Rs + (Rp || Z) = Z.
Made<LPad> lPad(double decibels, double impedance);

// The exact conjugate of the motional impedance (Rmes || Lces || Cmes, Rmes = Re Qms / Qes,
// Lces = Re / (ws Qes), Cmes = Qes / (ws Re)): R = Re + Re^2 / Rmes, L = Cmes Re^2, C = Lces /
// Re^2, so that Re + Zm across it is Re at every frequency.
Made<Notch> notch(double fs, double qms, double qes, double re);

// The step at 115 / width (m); R = Z (10^(A/20) - 1), so that far above it the level is A dB down;
// L puts the middle of the shelf, the geometric mean of its pole and zero (A/2 dB down), at the
// step: L = R sqrt(Z / (Z + R)) / (2 pi f).
struct BaffleDesign {
    double frequency;  // Hz
    BaffleStep parts;
};
Made<BaffleDesign> baffleStep(double width, double decibels, double impedance);  // m, dB, ohm

// A part of a correction as a table shows it.
enum class Element { Resistor, Coil, Capacitor };
struct Component {
    const char* name;  // "Rz": unique among all the corrections' parts
    Element element;
    double value;  // ohm, mH or uF
};
std::vector<Component> components(const Correction&);
// The same correction with its parts' values replaced, in the order components gives them.
Correction withValues(const Correction&, std::span<const double> values);

// Re and Le as a ZMA shows them above resonance (where the phase falls through zero at the highest
// |Z|). Re is the least Re(Z) from there up to `to`, 20 kHz or the file's end: the motion adds to
// it below, a lossy coil's eddy currents above, so a mean would take a lossy woofer's Re for
// nearly twice its own. Le is the least-squares intercept of Im(Z)/w against 1/w^2 from `from`,
// ten times the resonance, to `to`, which takes out the motional impedance's tail,
// -Re ws / (Qes w). Nothing without a resonance, or with less than an octave or three samples
// above ten times it.
struct VoiceCoil {
    double re;                   // ohm
    double le;                   // mH
    double resonance, from, to;  // Hz
};
std::optional<VoiceCoil> fitVoiceCoil(const Measurement& zma);

}  // namespace driver
