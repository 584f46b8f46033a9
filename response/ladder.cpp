#include "response/ladder.h"

#include <array>

namespace response::ladder {

namespace {

constexpr std::array<Rung, 1> firstOrder{{{0, true}}};
// The coil (parts[0]) in series, the capacitor (parts[1]) across the load.
constexpr std::array<Rung, 2> woofer12db{{{0, true}, {1, false}}};
constexpr std::array<Rung, 2> bothInSeries{{{0, true}, {1, true}}};
// Series C1, L1 across the line, series L2, C2 across the load.
constexpr std::array<Rung, 4> midrange12db{{{1, true}, {0, false}, {2, true}, {3, false}}};
// The capacitor (parts[1]) in series, the coil (parts[0]) across the load.
constexpr std::array<Rung, 2> tweeter12db{{{1, true}, {0, false}}};

}  // namespace

std::span<const Rung> rungsOf(Topology topology) {
    switch (topology) {
        case Topology::LowPass6db:
        case Topology::HighPass6db:
            return firstOrder;
        case Topology::LowPass12db:
            return woofer12db;
        case Topology::BandPass6db:
            return bothInSeries;
        case Topology::BandPass12db:
            return midrange12db;
        case Topology::HighPass12db:
            return tweeter12db;
    }
    return {};
}

double henryOrFarad(const Part& part) { return part.value * (part.capacitor ? 1e-6 : 1e-3); }

}  // namespace response::ladder
