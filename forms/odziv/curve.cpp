#include "forms/odziv/curve.h"

#include <algorithm>

namespace odziv {

Curve curveOf(std::size_t half, const formkit::ShownResult& shown, response::Series series) {
    const std::vector<float>& fields = shown.fields;  // Fp (or Fp1, Fp2), then Z
    const float Z = fields.back();
    Curve curve;
    curve.half = half;
    curve.name = QString::fromLatin1(formkit::crossoverHalves[half].name);
    curve.computed = std::visit([Z](const auto& result) { return response::networkOf(result, Z); },
                                shown.result);
    curve.standard = response::withStandardCapacitors(curve.computed, series);
    curve.unusable = response::unusable(curve.computed);
    curve.edges = response::halfPowerEdges(curve.computed);
    curve.standardEdges = response::halfPowerEdges(curve.standard);
    using response::Topology;
    switch (curve.computed.topology) {
        case Topology::LowPass6db:
        case Topology::LowPass12db:
            curve.upperTarget = fields[0];
            break;
        case Topology::HighPass6db:
        case Topology::HighPass12db:
            curve.lowerTarget = fields[0];
            break;
        case Topology::BandPass6db:  // its coil is sized for four times Fp1
            curve.lowerTarget = fields[0];
            curve.upperTarget = 4.0 * fields[0];
            break;
        case Topology::BandPass12db:
            curve.lowerTarget = fields[0];
            curve.upperTarget = fields[1];
            curve.noPassBand = !(fields[0] < fields[1]);
            break;
    }
    return curve;
}

SumFacts sumFactsOf(std::span<const Curve* const> curves,
                    std::span<const response::Branch> branches,
                    std::span<const response::Point> drawn) {
    std::vector<double> crossovers;
    std::vector<response::Edges> edges;
    for (const Curve* curve : curves) {
        for (const auto& target : {curve->lowerTarget, curve->upperTarget})
            if (target) crossovers.push_back(*target);
        edges.push_back(curve->edges);
    }
    std::ranges::sort(crossovers);
    crossovers.erase(std::ranges::unique(crossovers).begin(), crossovers.end());
    SumFacts facts{std::vector<response::Point>(crossovers.size()), response::passBand(edges), {}};
    response::evaluateSum(branches, crossovers, facts.atCrossovers);
    if (facts.band) facts.turns = response::turnsWithin(drawn, *facts.band);
    return facts;
}

}  // namespace odziv
