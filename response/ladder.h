#pragma once

// The one way every network is solved: as a ladder of parts in series with the
// line or across it, walked from the load back to the source.

#include <cstddef>
#include <span>

#include "response/network.h"

namespace response::ladder {

struct Rung {
    std::size_t part;  // index into Network::parts
    bool series;       // else across the line
};

// From the source towards the load, as the forms draw them.
std::span<const Rung> rungsOf(Topology);

double henryOrFarad(const Part&);

// The load voltage, the line voltage and the line current where the walk has
// got to, all up to one common factor.
template <class T>
struct State {
    T output;
    T voltage;
    T current;
};

// T is a complex number for H at one frequency, or a polynomial in s; the load
// is the loudspeaker's impedance there. Each part enters as the two sides p/q of
// its impedance (in series) or admittance (across the line), never as a
// quotient, so a wire (0 mH), an open circuit (0 uF) and a short (load 0) leave
// every quantity finite; a coil's is sL + R. rescale may multiply a state
// through by a common factor.
template <class T, class Rescale>
State<T> walk(const Network& network, const T& s, const T& load, Rescale rescale) {
    const T one(1.0);
    State<T> state{load, load, one};
    const std::span<const Rung> rungs = rungsOf(network.topology);
    for (auto rung = rungs.rbegin(); rung != rungs.rend(); ++rung) {
        const Part& part = network.parts.at(rung->part);
        // sL + R is a coil's impedance, sC a capacitor's admittance.
        const T reactive =
            part.capacitor ? s * henryOrFarad(part) : s * henryOrFarad(part) + T(part.resistance);
        const bool direct = rung->series != part.capacitor;
        const T& p = direct ? reactive : one;
        const T& q = direct ? one : reactive;
        if (rung->series) {
            state = {q * state.output, q * state.voltage + p * state.current, q * state.current};
        } else {
            state = {q * state.output, q * state.voltage, q * state.current + p * state.voltage};
        }
        rescale(state);
    }
    return state;
}

}  // namespace response::ladder
