#include "forms/odziv/schematic.h"

#include <QFontMetricsF>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <algorithm>

#include "response/ladder.h"

namespace odziv {

std::vector<Step> stepsOf(const response::Network& network,
                          const std::function<QString(std::size_t part)>& value) {
    using enum driver::Element;
    std::vector<Step> steps;
    for (const response::ladder::Rung& rung : response::ladder::rungsOf(network.topology)) {
        const response::Part& part = network.parts.at(rung.part);
        steps.push_back({rung.series ? Step::Kind::Series : Step::Kind::Across,
                         {{part.capacitor ? Capacitor : Coil, QString::fromStdString(part.name),
                           value(rung.part)}}});
    }
    std::vector<std::vector<Symbol>> corrections;
    std::size_t place = network.parts.size();
    for (const driver::Correction& correction : network.corrections) {
        std::vector<Symbol>& symbols = corrections.emplace_back();
        for (const driver::Component& part : driver::components(correction))
            symbols.push_back({part.element, QString::fromLatin1(part.name), value(place++)});
    }
    // Series parts first, so that those across the line sit at the loudspeaker.
    for (std::size_t i = 0; i < corrections.size(); ++i) {
        const driver::Correction& correction = network.corrections[i];
        const std::vector<Symbol>& symbols = corrections[i];
        if (std::holds_alternative<driver::LPad>(correction))
            steps.push_back({Step::Kind::Series, {symbols[0]}});
        else if (std::holds_alternative<driver::BaffleStep>(correction))
            steps.push_back({Step::Kind::Bypassed, symbols});
    }
    for (std::size_t i = 0; i < corrections.size(); ++i) {
        const driver::Correction& correction = network.corrections[i];
        std::vector<Symbol>& symbols = corrections[i];
        if (std::holds_alternative<driver::LPad>(correction))
            steps.push_back({Step::Kind::Across, {symbols[1]}});
        else if (!std::holds_alternative<driver::BaffleStep>(correction))
            steps.push_back({Step::Kind::Across, std::move(symbols)});
    }
    return steps;
}

namespace {

constexpr double line = 10, ground = 27, bypass = 4;  // mm from the top
constexpr double widestStep = 22, symbolLength = 8, lineWidth = 0.25;
// Right of the last step: the loudspeaker and its load's label.
constexpr double loudspeakerWidth = 32;

// A part's symbol from one point to another, drawn in millimetres along its own axis.
void drawSymbol(QPainter& painter, double mm, driver::Element element, QPointF from, QPointF to) {
    const QLineF axis(from, to);
    const double length = axis.length() / mm;
    painter.save();
    painter.translate(from);
    painter.rotate(-axis.angle());
    painter.scale(mm, mm);
    QPen pen = painter.pen();
    pen.setWidthF(lineWidth);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    switch (element) {
        case driver::Element::Resistor:
            painter.drawRect(QRectF(0, -1.2, length, 2.4));
            break;
        case driver::Element::Coil: {
            QPainterPath humps({0, 0});
            const double hump = length / 4;
            for (int i = 0; i < 4; ++i)
                humps.arcTo(QRectF(i * hump, -hump / 2, hump, hump), 180, -180);
            painter.drawPath(humps);
            break;
        }
        case driver::Element::Capacitor: {
            const double middle = length / 2, gap = 0.6;
            painter.drawLine(QPointF(0, 0), QPointF(middle - gap, 0));
            painter.drawLine(QPointF(middle + gap, 0), QPointF(length, 0));
            QPen plate = pen;
            plate.setWidthF(2 * lineWidth);
            painter.setPen(plate);
            painter.drawLine(QPointF(middle - gap, -2), QPointF(middle - gap, 2));
            painter.drawLine(QPointF(middle + gap, -2), QPointF(middle + gap, 2));
            break;
        }
    }
    painter.restore();
}

QString labelOf(const Symbol& symbol) { return symbol.name + QLatin1Char(' ') + symbol.value; }

}  // namespace

void drawSchematic(QPainter& painter, const QRectF& area, double mm, const std::vector<Step>& steps,
                   const QString& load) {
    const auto at = [&](double x, double y) { return area.topLeft() + QPointF(x * mm, y * mm); };
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double textHeight = metrics.ascent() / mm;
    const auto wire = [&](double x1, double y1, double x2, double y2) {
        painter.drawLine(at(x1, y1), at(x2, y2));
    };
    const double terminal = 0.7 * mm;
    const auto junction = [&](double x, double y) {
        painter.drawEllipse(at(x, y), terminal / 2, terminal / 2);
    };
    // A label centred over `middle`, its baseline at `y`.
    const auto centred = [&](const QString& label, double middle, double y) {
        painter.drawText(at(middle - metrics.horizontalAdvance(label) / mm / 2, y), label);
    };
    painter.save();
    painter.setPen(QPen(Qt::black, lineWidth * mm));
    painter.setBrush(Qt::black);
    for (double y : {line, ground}) painter.drawEllipse(at(1, y), terminal, terminal);

    // Steps narrow where many corrections leave no room for the widest.
    const double stepWidth =
        std::min(widestStep, (area.width() / mm - 1 - loudspeakerWidth) /
                                 double(std::max<std::size_t>(steps.size(), 1)));
    double x = 1;
    for (const Step& step : steps) {
        const double middle = x + stepWidth / 2;
        // Where a symbol on the line starts and ends.
        const double from = middle - symbolLength / 2, to = middle + symbolLength / 2;
        switch (step.kind) {
            case Step::Kind::Series:
                wire(x, line, from, line);
                drawSymbol(painter, mm, step.symbols.front().element, at(from, line), at(to, line));
                wire(to, line, x + stepWidth, line);
                centred(labelOf(step.symbols.front()), middle, line - 2.2);
                break;
            case Step::Kind::Bypassed: {
                wire(x, line, from, line);
                wire(to, line, x + stepWidth, line);
                wire(from - 2, line, from - 2, bypass);
                wire(to + 2, line, to + 2, bypass);
                wire(from - 2, bypass, from, bypass);
                wire(to, bypass, to + 2, bypass);
                junction(from - 2, line);
                junction(to + 2, line);
                // A resistor across its coil: the resistor above, the coil on the line.
                const Symbol& resistor = step.symbols.front();
                const Symbol& coil = step.symbols.back();
                drawSymbol(painter, mm, coil.element, at(from, line), at(to, line));
                drawSymbol(painter, mm, resistor.element, at(from, bypass), at(to, bypass));
                centred(labelOf(resistor), middle, bypass - 1.6);
                centred(labelOf(coil), middle, line + 2 + textHeight);
                break;
            }
            case Step::Kind::Across: {
                const double branch = x + 3;
                wire(x, line, x + stepWidth, line);
                junction(branch, line);
                junction(branch, ground);
                const double count = double(step.symbols.size());
                const double slot = (ground - line) / count;
                const double length = std::min(symbolLength, slot - 1.5);
                for (std::size_t i = 0; i < step.symbols.size(); ++i) {
                    const double centre = line + slot * (double(i) + 0.5);
                    const double top = centre - length / 2, bottom = centre + length / 2;
                    wire(branch, line + slot * double(i), branch, top);
                    drawSymbol(painter, mm, step.symbols[i].element, at(branch, top),
                               at(branch, bottom));
                    wire(branch, bottom, branch, line + slot * double(i + 1));
                    painter.drawText(at(branch + 3, centre + textHeight / 2),
                                     labelOf(step.symbols[i]));
                }
                break;
            }
        }
        x += stepWidth;
    }
    // The loudspeaker across the end of the line, its load beside it.
    const double speaker = x + 8;
    wire(x, line, speaker, line);
    wire(1, ground, speaker, ground);
    const double boxTop = (line + ground) / 2 - 3;
    wire(speaker, line, speaker, boxTop);
    wire(speaker, boxTop + 6, speaker, ground);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(at(speaker - 1.2, boxTop), at(speaker + 1.2, boxTop + 6)));
    QPolygonF cone;
    cone << at(speaker + 1.2, boxTop) << at(speaker + 4, boxTop - 2.5)
         << at(speaker + 4, boxTop + 8.5) << at(speaker + 1.2, boxTop + 6);
    painter.drawPolygon(cone);
    painter.drawText(at(speaker + 6, (line + ground) / 2 + textHeight / 2), load);
    painter.restore();
}

}  // namespace odziv
