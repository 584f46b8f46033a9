#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "calc/calc.h"
#include "formkit/shown_results.h"

namespace odziv {

// How the window writes its numbers, by the same regional rules as every
// caption: never a digit-group separator.

// Whole hertz: "501", never "501,27" or "1.234".
QString hertzText(double hertz, const calc::Region& region);

// A deviation in percent with one decimal and its sign: "+0,4 %".
QString deviationText(double percent, const calc::Region& region);

// Ohm or dB to a tenth: "3,1".
QString tenthsText(double ohms, const calc::Region& region);

// A level in dB the same way, "-0,4 dB"; "bez izlaza" for no output at all.
QString levelText(double dB, const calc::Region& region);

// The edges that a curve was designed for, lower first: "414 / 2404"; "nema"
// for an edge the curve never reaches.
struct Designed {
    bool lower;
    bool upper;
};
QString edgesText(const std::optional<double>& lower, const std::optional<double>& upper,
                  Designed designed, const calc::Region& region);

// The deviation of each edge from the frequency it was designed for.
QString deviationsText(const std::optional<double>& lower, const std::optional<double>& upper,
                       const std::optional<double>& lowerTarget,
                       const std::optional<double>& upperTarget, const calc::Region& region);

// The parts of a result as the window uses them (response::roundPart), in caption order: "1,8",
// "0,0636".
std::vector<QString> partTexts(const formkit::CrossoverResult& result, const calc::Region& region);

}  // namespace odziv
