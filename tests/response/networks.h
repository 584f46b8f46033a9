#pragma once

// Networks built from parts by hand, in caption order: mH, uF, ohm.

#include <numbers>

#include "response/network.h"

namespace response::test {

constexpr double pi = std::numbers::pi;

inline Part coil(const char* name, double mH) { return {name, false, mH}; }
inline Part capacitor(const char* name, double uF) { return {name, true, uF}; }

inline Network lowPass6(double L, double R) { return {Topology::LowPass6db, {coil("L", L)}, R}; }
inline Network lowPass12(double L, double C, double R) {
    return {Topology::LowPass12db, {coil("L", L), capacitor("C", C)}, R};
}
inline Network bandPass6(double L, double C, double R) {
    return {Topology::BandPass6db, {coil("L", L), capacitor("C", C)}, R};
}
inline Network bandPass12(double L1, double C1, double L2, double C2, double R) {
    return {Topology::BandPass12db, {coil("L1", L1), capacitor("C1", C1), coil("L2", L2), capacitor("C2", C2)}, R};
}
inline Network highPass6(double C, double R) { return {Topology::HighPass6db, {capacitor("C", C)}, R}; }
inline Network highPass12(double L, double C, double R) {
    return {Topology::HighPass12db, {coil("L", L), capacitor("C", C)}, R};
}

// Second-order Butterworth parts for a corner fc into R.
inline double butterworthL(double fc, double R) { return std::numbers::sqrt2 * R / (2 * pi * fc) * 1e3; }
inline double butterworthC(double fc, double R) { return 1 / (2 * std::numbers::sqrt2 * pi * fc * R) * 1e6; }

inline auto byName = [](const auto& info) { return std::string(info.param.name); };

}  // namespace response::test
