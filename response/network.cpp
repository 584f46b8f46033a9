#include "response/network.h"

#include <cmath>

namespace response {

namespace {

template <class T>
T roundedPart(T value) {
    if (!(std::abs(value) < 1) || value == 0) return calc::roundTo2(value);
    const int decimals = 2 - static_cast<int>(std::floor(std::log10(std::abs(value))));
    // Up to 22 decimals the power of ten is exact, so each step rounds once.
    const double scale = std::pow(10.0, decimals);
    return static_cast<T>(std::round(value * scale) / scale);
}

template <class T>
Part coil(const char* name, T mH) {
    return {name, false, roundPart(mH)};
}

template <class T>
Part capacitor(const char* name, T uF) {
    return {name, true, roundPart(uF)};
}

}  // namespace

float roundPart(float value) { return roundedPart(value); }

double roundPart(double value) { return roundedPart(value); }

Network networkOf(const calc::LowPass6db& r, float Z) {
    return {Topology::LowPass6db, {coil("L", r.L)}, Z};
}

Network networkOf(const calc::LowPass12db& r, float Z) {
    return {Topology::LowPass12db, {coil("L", r.L), capacitor("C", r.C)}, Z};
}

Network networkOf(const calc::BandPass6db& r, float Z) {
    return {Topology::BandPass6db, {coil("L", r.L), capacitor("C", r.C)}, Z};
}

Network networkOf(const calc::BandPass12db& r, float Z) {
    return {Topology::BandPass12db,
            {coil("L1", r.L1), capacitor("C1", r.C1), coil("L2", r.L2), capacitor("C2", r.C2)},
            Z};
}

Network networkOf(const calc::HighPass6db& r, float Z) {
    return {Topology::HighPass6db, {capacitor("C", r.C)}, Z};
}

Network networkOf(const calc::HighPass12db& r, float Z) {
    return {Topology::HighPass12db, {coil("L", r.L), capacitor("C", r.C)}, Z};
}

bool isPlainLadder(const Network& network) {
    return !network.driver && network.corrections.empty();
}

double correctedLevel(const Network& network) {
    const double z = network.load;
    double level = 1;
    for (const driver::Correction& correction : network.corrections) {
        if (const auto* pad = std::get_if<driver::LPad>(&correction)) {
            const double across = pad->parallel * z / (pad->parallel + z);
            level *= across / (pad->series + across);
        } else if (const auto* step = std::get_if<driver::BaffleStep>(&correction)) {
            level *= z / (z + step->resistance);
        }
    }
    return level;
}

std::optional<Unusable> unusable(const Network& network) {
    std::vector<double> values;
    for (const Part& part : network.parts)
        values.insert(values.end(), {part.value, part.resistance});
    for (const driver::Correction& correction : network.corrections)
        for (const driver::Component& part : driver::components(correction))
            values.push_back(part.value);
    // Checked first: a NaN compares as neither negative nor positive.
    if (!std::isfinite(network.load)) return Unusable::NotFinite;
    for (double value : values)
        if (!std::isfinite(value)) return Unusable::NotFinite;
    // The forms compute the parts from Z: a negative Z makes them negative too.
    if (network.load < 0) return Unusable::NegativeLoad;
    for (double value : values)
        if (value < 0) return Unusable::NegativePart;
    return std::nullopt;
}

}  // namespace response
