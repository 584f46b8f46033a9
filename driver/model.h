#pragma once

#include <complex>
#include <optional>
#include <variant>

#include "driver/measurement.h"
#include "driver/parameters.h"

namespace driver {

// A driver known by its measured files, either or both. Without a ZMA it is a resistor of the
// nominal impedance; without an FRD its response is flat at 0 dB.
struct Measured {
    std::optional<Measurement> response;   // FRD
    std::optional<Measurement> impedance;  // ZMA
    double nominal = 8;                    // ohm
};

using Driver = std::variant<Parameters, Measured>;

// Z(f) in ohm and the acoustic H(f) relative to 0 dB, at f > 0 Hz.
std::complex<double> impedance(const Driver&, double frequency);
std::complex<double> acoustic(const Driver&, double frequency);

// Whether every file of the driver spans the frequency, so that what it gives there is measured,
// not held from an end sample; always for a model.
bool covers(const Driver&, double frequency);

// The level the driver plays at, in dB, from which its own -3 dB is counted: a model's
// sensitivity; for an FRD the median of its level at every twelfth of an octave it spans, which
// its rolled-off ends and its narrow peaks do not move. None without an acoustic response.
std::optional<double> level(const Driver&);

}  // namespace driver
