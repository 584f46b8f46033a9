#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "driver/correction.h"
#include "response/network.h"

class QPainter;
class QRectF;

namespace odziv {

// A part as a schematic labels it: "L1" and "1,8 mH".
struct Symbol {
    driver::Element element;
    QString name;
    QString value;
};

// A step of a schematic from the amplifier to the loudspeaker: parts one after another along the
// line, or from the line down to the return; a coil with its resistor across it stands as one
// step along the line.
struct Step {
    enum class Kind { Series, Across, Bypassed };
    Kind kind;
    std::vector<Symbol> symbols;
};

// The ladder's parts as the forms draw them, then the corrections: those in series toward the
// crossover, those across toward the loudspeaker. `value` is the text of a part's value with its
// unit, by its place: the ladder's parts, then the corrections' in the order of correctionParts.
std::vector<Step> stepsOf(const response::Network& network,
                          const std::function<QString(std::size_t part)>& value);

// From the amplifier's terminals on the left to the loudspeaker on the right, labelled `load`,
// within `area`; `mm` is the device's pixels per millimetre. Needs `height` millimetres.
inline constexpr double schematicHeight = 30;
void drawSchematic(QPainter& painter, const QRectF& area, double mm, const std::vector<Step>& steps,
                   const QString& load);

}  // namespace odziv
