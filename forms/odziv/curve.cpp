#include "forms/odziv/curve.h"

#include <algorithm>

namespace odziv {

response::Network networkOf(const formkit::ShownResult& shown) {
    const float Z = shown.fields.back();
    return std::visit([Z](const auto& result) { return response::networkOf(result, Z); },
                      shown.result);
}

std::vector<CorrectionPart> correctionParts(const response::Network& network) {
    std::vector<CorrectionPart> parts;
    for (const driver::Correction& correction : network.corrections)
        for (const driver::Component& part : driver::components(correction))
            parts.push_back({correction.index(), part});
    return parts;
}

Curve curveOf(std::size_t half, const formkit::ShownResult& shown, response::Series series,
              const Feed& feed, const Curve* previous) {
    const std::vector<float>& fields = shown.fields;  // Fp (or Fp1, Fp2), then Z
    Curve curve;
    curve.half = half;
    curve.name = QString::fromLatin1(formkit::crossoverHalves[half].name);
    curve.computed = networkOf(shown);
    for (std::size_t part = 0; part < curve.computed.parts.size(); ++part)
        curve.computed.parts[part].resistance = feed.resistances[part];
    curve.wires = feed.wires;
    curve.driverName = feed.driverName;
    curve.computed.driver = feed.driver;
    curve.computed.delay = feed.delay;
    curve.computed.level = feed.level;
    curve.computed.corrections = feed.corrections;
    curve.standard = response::withStandardParts(curve.computed, series);
    curve.unusable = response::unusable(curve.computed);
    if (previous && previous->computed == curve.computed && previous->standard == curve.standard) {
        curve.edges = previous->edges;
        curve.standardEdges = previous->standardEdges;
        curve.soundEdges = previous->soundEdges;
    } else {
        curve.edges = response::halfPowerEdges(curve.computed);
        curve.standardEdges = response::halfPowerEdges(curve.standard);
        if (feed.driver && driver::level(*feed.driver))
            curve.soundEdges = response::soundEdges(curve.computed);
    }
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
                    std::span<const response::Point> drawn,
                    std::span<const response::Point> impedance) {
    std::vector<double> crossovers;
    std::vector<response::Edges> edges;
    for (const Curve* curve : curves) {
        for (const auto& target : {curve->lowerTarget, curve->upperTarget})
            if (target) crossovers.push_back(*target);
        edges.push_back(curve->soundEdges.value_or(curve->edges));
    }
    std::ranges::sort(crossovers);
    crossovers.erase(std::ranges::unique(crossovers).begin(), crossovers.end());
    SumFacts facts{
        std::vector<response::Point>(crossovers.size()), response::passBand(edges), {}, {}};
    response::evaluateSum(branches, crossovers, facts.atCrossovers);
    if (facts.band) facts.turns = response::turnsWithin(drawn, *facts.band);
    for (const response::Point& point : impedance)
        if (point.frequency >= response::lowestHeard && point.frequency <= response::highestHeard &&
            (!facts.lowestImpedance || point.level < facts.lowestImpedance->level))
            facts.lowestImpedance = point;
    return facts;
}

}  // namespace odziv
