#pragma once

#include <complex>
#include <optional>

namespace driver {

// A driver's Thiele-Small parameters, as a window's fields give them.
struct Parameters {
    double re;           // voice coil resistance, ohm
    double le;           // voice coil inductance, mH; 0: none given
    double fs;           // resonance, Hz
    double qms;          // mechanical Q
    double qes;          // electrical Q
    double sensitivity;  // dB at 2,83 V / 1 m
    // A lossy second inductance (R2 in parallel with L2, in series with Le), for woofers whose
    // impedance rises slower than wLe; both 0: none.
    double r2 = 0;  // ohm
    double l2 = 0;  // mH
};

enum class Field { Re, Le, Fs, Qms, Qes, Sensitivity, R2, L2 };
enum class Fault { NotFinite, Negative, Zero };

// The first field that cannot be used and why, or nothing. Le, R2 and L2 may be 0 (not given), but
// R2 and L2 come together; the sensitivity may be any finite level.
struct Unusable {
    Field field;
    Fault fault;
    bool operator==(const Unusable&) const = default;
};
std::optional<Unusable> unusable(const Parameters&);

// Z(f) = Re + jwLe + (R2 || jwL2) + Rmes / (1 + jQms(f/fs - fs/f)), Rmes = Re Qms / Qes, in ohm.
std::complex<double> impedance(const Parameters&, double frequency);

// The pressure at 1 m for 2,83 V relative to 1 (0 dB): a second-order high-pass at fs with
// Qts = Qms Qes / (Qms + Qes), flat at the sensitivity above it.
std::complex<double> acoustic(const Parameters&, double frequency);

}  // namespace driver
