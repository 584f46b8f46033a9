#pragma once

#include <QString>
#include <array>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "formkit/shown_results.h"
#include "response/response.h"

namespace odziv {

// What a half's network feeds, and its coils' wire: a resistor of Z, or a driver as it is, late
// by `delay` and drawn `level` dB down.
enum class Wire {
    Typed,     // the resistance typed, 0 until then
    Wound,     // the resistance of the coil the winding window winds by its defaults
    NotWound,  // no such coil reaches it: 0
};
struct Feed {
    std::shared_ptr<const driver::Driver> driver;
    QString driverName;
    double delay = 0;  // s
    double level = 0;  // dB
    // Of each part in caption order; a capacitor's resistance is 0.
    std::array<double, 4> resistances{};  // ohm
    std::array<Wire, 4> wires{};
    // Switched in between the network and its loudspeaker.
    std::vector<driver::Correction> corrections;
};

// What the window shows of one crossover half: the network as its result
// label shows it, the same with standard capacitors, where the voltage across
// the loudspeaker is 3 dB down with each, where its sound is against the
// driver alone, and the edges the user designed it for.
struct Curve {
    std::size_t half;
    QString name;  // as the form names the half: "bas 6db/octavi"
    response::Network computed;
    response::Network standard;
    std::optional<response::Unusable> unusable;
    response::Edges edges;
    response::Edges standardEdges;
    std::optional<response::Edges> soundEdges;  // for a driver that plays
    QString driverName;                         // empty for the resistor Z
    std::array<Wire, 4> wires{};
    std::optional<double> lowerTarget;  // Hz, from the frequencies typed
    std::optional<double> upperTarget;
    bool noPassBand = false;  // a band-pass typed with Fp1 not below Fp2
};

// A part of the corrections switched into a network, with its kind's place in driver::Correction.
struct CorrectionPart {
    std::size_t kind;
    driver::Component part;
};
std::vector<CorrectionPart> correctionParts(const response::Network& network);

// The network a half's result label shows, into the resistor Z.
response::Network networkOf(const formkit::ShownResult& shown);

// The edges of a previous curve of the same networks are taken over, not searched again.
Curve curveOf(std::size_t half, const formkit::ShownResult& shown, response::Series series,
              const Feed& feed, const Curve* previous = nullptr);

// What the table says of the sum, which is only a curve on the chart: its level at each
// crossover frequency of the curves in it, its deepest dip and highest peak in their pass band
// (response::passBand, of their sound where they have a driver that plays), and the lowest
// impedance the amplifier sees there.
struct SumFacts {
    std::vector<response::Point> atCrossovers;
    std::optional<response::Band> band;
    response::Turns turns;
    std::optional<response::Point> lowestImpedance;
};
// The curves in the sum, their branches in the same order, the sum as drawn and the impedance
// of them all.
SumFacts sumFactsOf(std::span<const Curve* const> curves,
                    std::span<const response::Branch> branches,
                    std::span<const response::Point> drawn,
                    std::span<const response::Point> impedance);

}  // namespace odziv
