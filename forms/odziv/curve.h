#pragma once

#include <QString>
#include <optional>
#include <span>
#include <vector>

#include "formkit/shown_results.h"
#include "response/response.h"

namespace odziv {

// What the window shows of one crossover half: the network as its result
// label shows it, the same with standard capacitors, where each is 3 dB down,
// and the edges the user designed it for.
struct Curve {
    std::size_t half;
    QString name;  // as the form names the half: "bas 6db/octavi"
    response::Network computed;
    response::Network standard;
    std::optional<response::Unusable> unusable;
    response::Edges edges;
    response::Edges standardEdges;
    std::optional<double> lowerTarget;  // Hz, from the frequencies typed
    std::optional<double> upperTarget;
    bool noPassBand = false;  // a band-pass typed with Fp1 not below Fp2
};

Curve curveOf(std::size_t half, const formkit::ShownResult& shown, response::Series series);

// What the table says of the sum, which is only a curve on the chart: its level at each
// crossover frequency of the curves in it, and its deepest dip and highest peak in their
// pass band (response::passBand).
struct SumFacts {
    std::vector<response::Point> atCrossovers;
    std::optional<response::Band> band;
    response::Turns turns;
};
// The curves in the sum, their branches in the same order, and the sum as drawn.
SumFacts sumFactsOf(std::span<const Curve* const> curves,
                    std::span<const response::Branch> branches,
                    std::span<const response::Point> drawn);

}  // namespace odziv
