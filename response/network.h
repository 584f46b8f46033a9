#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "calc/calc.h"
#include "driver/correction.h"
#include "driver/model.h"

namespace response {

enum class Topology {
    LowPass6db,
    LowPass12db,
    BandPass6db,
    BandPass12db,
    HighPass6db,
    HighPass12db
};

struct Part {
    std::string name;       // "L", "C", "L1", "C1", "L2", "C2": as the form's caption names it
    bool capacitor;         // else a coil
    double value;           // mH for a coil, uF for a capacitor
    double resistance = 0;  // ohm: a coil's wire, in series with it

    bool operator==(const Part&) const = default;
};

struct Network {
    Topology topology;
    // In caption order, as networkOf gives them: transfer finds each part by its
    // place (and throws std::out_of_range where one is missing).
    std::vector<Part> parts;
    double load;  // the loudspeaker as a resistor, ohm (the Z field's value)
    // The loudspeaker as it is, where one is chosen: the network then feeds its Z(f), and what it
    // plays is its response, `delay` seconds late and drawn `level` dB down.
    std::shared_ptr<const driver::Driver> driver{};
    double delay = 0;
    double level = 0;
    // Between the crossover's output and the loudspeaker, in any order: the series parts toward
    // the crossover, the shunt parts across the loudspeaker.
    std::vector<driver::Correction> corrections{};

    // The same parts into the same load: the same driver, not an equal one.
    bool operator==(const Network&) const = default;
};

// A part as the window uses it, rounded in its own kind: from 1 up to two
// decimals as its caption (1,27), below 1 to three significant digits (0,0636),
// where two decimals would drop most of a small part's digits.
float roundPart(float value);
double roundPart(double value);

// The network a result label shows, every value after roundPart and widened to
// double. Z is the Z field's value.
Network networkOf(const calc::LowPass6db&, float Z);    // parts: L
Network networkOf(const calc::LowPass12db&, float Z);   // L, C
Network networkOf(const calc::BandPass6db&, float Z);   // L, C
Network networkOf(const calc::BandPass12db&, float Z);  // L1, C1, L2, C2
Network networkOf(const calc::HighPass6db&, float Z);   // C
Network networkOf(const calc::HighPass12db&, float Z);  // L, C

// Whether the network is its ladder into a resistor and nothing more, whose |H|^2 is a quotient of
// polynomials; into a driver or through corrections its turns and edges are searched.
bool isPlainLadder(const Network&);

// The level the corrections are made to leave in the pass band, into the resistor Z: an L-pad's
// attenuation and a baffle step's level above its step; 1 without them. Edges are counted from it.
double correctedLevel(const Network&);

// Why a network cannot be drawn, or nothing when it can. A coil's resistance and the corrections'
// parts are parts of it.
enum class Unusable { NegativePart, NegativeLoad, NotFinite };
std::optional<Unusable> unusable(const Network&);

}  // namespace response
