#include "forms/odziv/response_charts.h"

#include <QChart>
#include <QChartView>
#include <QFontMetricsF>
#include <QGridLayout>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QValueAxis>
#include <cmath>

#include "formkit/fonts.h"

namespace odziv {

namespace {

using response::Point;

QFont chartFont() { return formkit::tableFont(formkit::normal975, {}); }

// A broken line one pixel wide: wider, Qt strokes every dash as a shape of its own, which costs
// a press more than all its sums.
QPen penOf(const QColor& colour, Qt::PenStyle style, qreal width) {
    QPen pen(colour, style == Qt::SolidLine ? width : 1);
    pen.setStyle(style);
    return pen;
}

std::vector<Point> evaluated(const Drawn& drawn, const std::vector<double>& grid) {
    // Into a driver, whose turns no polynomial gives, the curve is drawn as a sum of one.
    if (drawn.network->driver)
        return response::drawnSum(std::array{response::Branch{drawn.network, drawn.reversed}},
                                  grid);
    const std::vector<double> frequencies = response::drawnFrequencies(*drawn.network, grid);
    std::vector<Point> points(frequencies.size());
    response::evaluate(*drawn.network, frequencies, points);
    if (drawn.reversed)
        for (Point& point : points)
            point.phase = point.phase > 0 ? point.phase - 180 : point.phase + 180;
    return points;
}

// Points alike in being measured, each run beginning where the one before ends, so that the line
// goes on unbroken from measured to extrapolated.
std::vector<std::vector<Point>> runs(const std::vector<Point>& points) {
    std::vector<std::vector<Point>> runs;
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (i == 0 || points[i].measured != points[i - 1].measured) {
            runs.emplace_back();
            if (i > 0) runs.back().push_back(points[i - 1]);
        }
        runs.back().push_back(points[i]);
    }
    return runs;
}

// What a run says of being measured: its last point, which the first of the next one repeats.
bool measuredRun(const std::vector<Point>& run) { return run.back().measured; }

bool drawable(const Point& point, double floor) {
    return point.level >= floor && point.level < HUGE_VAL;
}

// The value in pieces above the floor: a piece ends at the floor where the curve falls through
// it and the next begins where it comes back, each crossing on the line between the points either
// side (on the log frequency scale, as drawn). An infinite value (an open circuit's impedance)
// only breaks the line.
std::vector<QList<QPointF>> aboveFloor(const std::vector<Point>& points, double floor) {
    std::vector<QList<QPointF>> pieces(1);
    for (std::size_t i = 0; i < points.size(); ++i) {
        const Point& point = points[i];
        const bool above = drawable(point, floor);
        if (i > 0 && above != drawable(points[i - 1], floor)) {
            const Point& before = points[i - 1];
            if (above && !pieces.back().isEmpty()) pieces.emplace_back();
            if ((above ? before : point).level < floor) {
                // No output is -infinity dB: the crossing is then at the point that has a level.
                const double t = std::isfinite(before.level) && std::isfinite(point.level)
                                     ? (floor - before.level) / (point.level - before.level)
                                     : (above ? 1 : 0);
                pieces.back().append(
                    {before.frequency * std::pow(point.frequency / before.frequency, t), floor});
            }
        }
        if (above) pieces.back().append({point.frequency, point.level});
    }
    return pieces;
}

// The phase in pieces, cut where it wraps round and where the value cannot be drawn.
std::vector<QList<QPointF>> phasePieces(const std::vector<Point>& points) {
    std::vector<QList<QPointF>> pieces(1);
    for (std::size_t i = 0; i < points.size(); ++i) {
        const bool shown = std::isfinite(points[i].level);
        if (i > 0 && !pieces.back().isEmpty() &&
            (!shown || std::fabs(points[i].phase - points[i - 1].phase) > 180))
            pieces.emplace_back();
        if (shown) pieces.back().append({points[i].frequency, points[i].phase});
    }
    return pieces;
}

}  // namespace

ResponseCharts::ResponseCharts(QWidget* parent)
    : QWidget(parent),
      m_level(makeChart(QStringLiteral("dB"), floor, lowCeiling, 10)),
      m_phase(makeChart(QStringLiteral("stepeni"), -180, 180, 90)),
      m_impedance(makeChart(QStringLiteral("oma"), 0, lowOhmCeiling, ohmStep)),
      m_impedancePhase(makeChart(QStringLiteral("stepeni"), -90, 90, 45)),
      m_frequencies(response::logSweep(lowest, highest, points)) {
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins({});
    layout->setSpacing(0);
    layout->addWidget(
        makeView(m_level, QStringLiteral("Nivo"),
                 QStringLiteral("Nivo svake krive u dB od 10 do 40000 Hz, isprekidano sa "
                                "standardnim kondenzatorima, crno zbir, tackasto i bledo van "
                                "merenja. Delove, granicne ucestanosti i zbir daje i tabela.")),
        0, 0);
    layout->addWidget(makeView(m_phase, QStringLiteral("Faza"),
                               QStringLiteral("Faza svake krive u stepenima od 10 do 40000 Hz, "
                                              "crno zbir.")),
                      1, 0);
    layout->addWidget(
        makeView(m_impedance, QStringLiteral("Impedansa"),
                 QStringLiteral("Impedansa koju vidi pojacalo, u omima od 10 do 40000 Hz, za "
                                "svaku krivu i crno za sve u zbiru zajedno. Najmanju daje i "
                                "tabela.")),
        0, 1);
    layout->addWidget(
        makeView(m_impedancePhase, QStringLiteral("Faza impedanse"),
                 QStringLiteral("Faza impedanse u stepenima od 10 do 40000 Hz, crno za sve u "
                                "zbiru zajedno.")),
        1, 1);
    layout->setRowStretch(0, 3);
    layout->setRowStretch(1, 2);
    layout->setColumnStretch(0, 3);
    layout->setColumnStretch(1, 2);
    for (QChart* chart : {m_level, m_impedance}) {
        chart->legend()->setAlignment(Qt::AlignTop);
        chart->legend()->setFont(chartFont());
    }
    for (QChart* chart : {m_phase, m_impedancePhase}) chart->legend()->hide();
    for (auto [chart, tick] : {std::pair{m_phase, 90.0}, {m_impedancePhase, 45.0}})
        connect(chart, &QChart::plotAreaChanged, this, [chart, tick] { spaceLabels(chart, tick); });
    for (auto [top, bottom] : {std::pair{m_level, m_phase}, {m_impedance, m_impedancePhase}})
        for (QChart* chart : {top, bottom})
            connect(chart, &QChart::plotAreaChanged, this,
                    [this, top, bottom] { alignPlots(top, bottom); });
    for (std::size_t half = 0; half <= sumSlot; ++half) {
        const QColor colour =
            half < sumSlot ? QColor(formkit::crossoverHalves[half].colour) : QColor(Qt::black);
        const qreal width = half < sumSlot ? 2 : 2.5;
        m_computed[half] = makeLines(colour, false, width, m_level, m_phase, floor);
        m_impedances[half] = makeLines(colour, false, width, m_impedance, m_impedancePhase, 0);
        // The standard-capacitor twins show in level only: in phase they would hide the curves.
        if (half < sumSlot)
            m_standard[half] = makeLines(colour, true, 1.5, m_level, nullptr, floor);
    }
    m_computed[sumSlot].value.front()->setName(QStringLiteral("zbir"));
    m_impedances[sumSlot].value.front()->setName(QStringLiteral("ukupno"));
    draw({}, {}, {}, {}, {});
}

QChartView* ResponseCharts::makeView(QChart* chart, const QString& name,
                                     const QString& description) {
    auto* view = new QChartView(chart, this);
    view->setMinimumHeight(chart == m_level || chart == m_impedance ? 180 : 130);
    view->setAccessibleName(name);
    view->setAccessibleDescription(description);
    view->setRenderHint(QPainter::Antialiasing);
    view->setFocusPolicy(Qt::NoFocus);  // the table holds the same facts for the keyboard
    return view;
}

// Both plots of a column take the same left and right edges, whatever the
// width of their value labels, so that the two charts read as one frequency axis.
void ResponseCharts::alignPlots(QChart* top, QChart* bottom) {
    const auto natural = [](const QChart* chart) {
        const QMargins margins = chart->margins();
        return std::pair{chart->plotArea().left() - margins.left(),
                         chart->size().width() - chart->plotArea().right() - margins.right()};
    };
    const auto [topLeft, topRight] = natural(top);
    const auto [bottomLeft, bottomRight] = natural(bottom);
    const qreal left = std::max(topLeft, bottomLeft), right = std::max(topRight, bottomRight);
    for (const auto& [chart, ownLeft, ownRight] :
         {std::tuple{top, topLeft, topRight}, std::tuple{bottom, bottomLeft, bottomRight}}) {
        const QMargins wanted(margin + int(std::lround(left - ownLeft)), margin,
                              margin + int(std::lround(right - ownRight)), margin);
        if (chart->margins() != wanted) chart->setMargins(wanted);
    }
}

// A low chart writes every other label rather than none: Qt Charts shows "..."
// for each label that has no room, as under Windows' taller faces.
void ResponseCharts::spaceLabels(QChart* chart, double tick) {
    auto* axis = static_cast<QValueAxis*>(chart->axes(Qt::Vertical).first());
    const double range = axis->max() - axis->min();
    // A line a label: Qt Charts itself writes them out with somewhat less.
    const qreal room = QFontMetricsF(chartFont()).lineSpacing();
    double interval = tick;
    while (interval < range && chart->plotArea().height() / (range / interval + 1) < room)
        interval *= 2;
    if (axis->tickInterval() != interval) axis->setTickInterval(interval);
}

QChart* ResponseCharts::makeChart(const QString& unit, double low, double high, double tick) {
    auto* chart = new QChart;
    chart->setBackgroundBrush(palette().window());
    chart->setPlotAreaBackgroundBrush(palette().base());
    chart->setPlotAreaBackgroundVisible(true);
    chart->setMargins(QMargins(margin, margin, margin, margin));
    auto* frequency = new QLogValueAxis;
    frequency->setRange(lowest, highest);
    frequency->setBase(10);
    frequency->setLabelFormat(QStringLiteral("%g"));
    frequency->setMinorTickCount(8);
    frequency->setTitleText(QStringLiteral("Hz"));
    auto* value = new QValueAxis;
    value->setRange(low, high);
    value->setTickType(QValueAxis::TicksDynamic);
    value->setTickAnchor(0);
    value->setTickInterval(tick);
    value->setLabelFormat(QStringLiteral("%d"));
    value->setTitleText(unit);
    for (QAbstractAxis* axis :
         {static_cast<QAbstractAxis*>(frequency), static_cast<QAbstractAxis*>(value)}) {
        axis->setLabelsFont(chartFont());
        axis->setTitleFont(chartFont());
    }
    chart->addAxis(frequency, Qt::AlignBottom);
    chart->addAxis(value, Qt::AlignLeft);
    return chart;
}

ResponseCharts::Lines ResponseCharts::makeLines(const QColor& colour, bool dashed, qreal width,
                                                QChart* chart, QChart* phaseChart, double floor) {
    QColor faint = colour;
    faint.setAlpha(110);
    Lines lines;
    lines.pen = penOf(colour, dashed ? Qt::DashLine : Qt::SolidLine, width);
    lines.faint = penOf(faint, Qt::DotLine, width);
    lines.chart = chart;
    lines.phaseChart = phaseChart;
    lines.floor = floor;
    segment(chart, lines.pen, lines.value, 0);
    return lines;
}

QLineSeries* ResponseCharts::segment(QChart* chart, const QPen& pen,
                                     std::vector<QLineSeries*>& segments, std::size_t index) {
    while (segments.size() <= index) {
        auto* segment = new QLineSeries;
        segment->setPen(pen);
        chart->addSeries(segment);
        for (QAbstractAxis* axis : chart->axes()) segment->attachAxis(axis);
        segments.push_back(segment);
    }
    return segments[index];
}

// A named line's first segment stays shown while its curve is, even without points, for its name.
void ResponseCharts::showSegments(QChart* chart, const QPen& pen,
                                  std::vector<QLineSeries*>& segments,
                                  const std::vector<QList<QPointF>>& pieces, bool visible,
                                  bool named) {
    for (std::size_t i = 0; i < std::max(pieces.size(), segments.size()); ++i)
        replace(segment(chart, pen, segments, i), i < pieces.size() ? pieces[i] : QList<QPointF>(),
                visible && ((named && i == 0) || i < pieces.size()));
}

// Qt Charts recomputes a series' whole outline on every replace, so a series
// is replaced only when its points change: after a press, the half pressed
// and the sum.
void ResponseCharts::show(Lines& lines, const std::vector<Point>& points, bool visible,
                          bool inLegend) {
    std::vector<QList<QPointF>> value, faintValue, phase, faintPhase;
    for (const std::vector<Point>& run : runs(points)) {
        const bool measured = measuredRun(run);
        for (QList<QPointF>& piece : aboveFloor(run, lines.floor))
            if (!piece.isEmpty()) (measured ? value : faintValue).push_back(std::move(piece));
        for (QList<QPointF>& piece : phasePieces(run))
            if (!piece.isEmpty()) (measured ? phase : faintPhase).push_back(std::move(piece));
    }
    showSegments(lines.chart, lines.pen, lines.value, value, visible, true);
    showSegments(lines.chart, lines.faint, lines.faintValue, faintValue, visible, false);
    // Set every time: a marker reads as hidden while the legend hides them all, before the
    // chart is first laid out, and shows with them unless it was itself hidden.
    for (const std::vector<QLineSeries*>* segments : {&lines.value, &lines.faintValue})
        for (QLineSeries* series : *segments)
            for (QLegendMarker* marker : lines.chart->legend()->markers(series))
                marker->setVisible(series == lines.value.front() && visible && inLegend);
    if (!lines.phaseChart) return;
    showSegments(lines.phaseChart, lines.pen, lines.phase, phase, visible, false);
    showSegments(lines.phaseChart, lines.faint, lines.faintPhase, faintPhase, visible, false);
}

void ResponseCharts::replace(QLineSeries* series, const QList<QPointF>& points, bool visible) {
    if (series->points() != points) series->replace(points);
    if (series->isVisible() != visible) series->setVisible(visible);
}

void ResponseCharts::draw(std::span<const Curve> curves, std::span<const Drawn> computed,
                          std::span<const Drawn> standard, const std::vector<Point>& sum,
                          const std::vector<Point>& whole) {
    std::array<bool, sumSlot> drawn{}, drawnStandard{};
    std::vector<const std::vector<Point>*> impedances;
    for (const Drawn& curve : computed) {
        show(m_computed[curve.half], pointsOf(m_computed[curve.half], curve, false), true, true);
        impedances.push_back(&pointsOf(m_impedances[curve.half], curve, true));
        show(m_impedances[curve.half], *impedances.back(), true, false);
        drawn[curve.half] = true;
    }
    for (const Drawn& curve : standard) {
        show(m_standard[curve.half], pointsOf(m_standard[curve.half], curve, false), true, false);
        drawnStandard[curve.half] = true;
    }
    for (const Curve& curve : curves) m_computed[curve.half].value.front()->setName(curve.name);
    for (std::size_t half = 0; half < sumSlot; ++half) {
        if (!drawn[half]) show(m_computed[half], {}, false, false);
        if (!drawn[half]) show(m_impedances[half], {}, false, false);
        if (!drawnStandard[half]) show(m_standard[half], {}, false, false);
    }
    show(m_computed[sumSlot], sum, !sum.empty(), true);
    show(m_impedances[sumSlot], whole, !whole.empty(), true);
    fitLevelAxis();
    fitImpedanceAxis(impedances, whole);
}

const std::vector<Point>& ResponseCharts::pointsOf(Lines& lines, const Drawn& curve,
                                                   bool impedance) {
    if (lines.network == *curve.network && lines.reversed == curve.reversed) return lines.points;
    lines.points = impedance
                       ? response::drawnImpedance(
                             std::array{response::Branch{curve.network, false}}, m_frequencies)
                       : evaluated(curve, m_frequencies);
    lines.network = *curve.network;
    lines.reversed = curve.reversed;
    return lines.points;
}

void ResponseCharts::fitLevelAxis() {
    double highest = -INFINITY;
    for (QAbstractSeries* series : m_level->series())
        if (series->isVisible())
            for (const QPointF& point : static_cast<QLineSeries*>(series)->points())
                highest = std::max(highest, point.y());
    const double steps = std::ceil(highest / ceilingStep);
    const double top = std::clamp(steps * ceilingStep, lowCeiling, highCeiling);
    auto* axis = static_cast<QValueAxis*>(m_level->axes(Qt::Vertical).first());
    if (axis->max() == top) return;
    axis->setMax(top);
    // Some six labels at most, which a low chart still writes out.
    axis->setTickInterval(top - floor > 60 ? 20 : 10);
}

void ResponseCharts::fitImpedanceAxis(const std::vector<const std::vector<Point>*>& sections,
                                      const std::vector<Point>& whole) {
    double highest = 0;
    for (const std::vector<Point>* curve :
         whole.empty() ? sections : std::vector<const std::vector<Point>*>{&whole})
        for (const Point& point : *curve)
            if (point.frequency >= response::lowestHeard &&
                point.frequency <= response::highestHeard && point.level < HUGE_VAL)
                highest = std::max(highest, point.level);
    const double top =
        std::clamp(std::ceil(highest / ohmStep) * ohmStep, lowOhmCeiling, highOhmCeiling);
    auto* axis = static_cast<QValueAxis*>(m_impedance->axes(Qt::Vertical).first());
    if (axis->max() != top) axis->setMax(top);
}

QImage ResponseCharts::image() { return grab().toImage(); }

}  // namespace odziv
