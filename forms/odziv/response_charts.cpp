#include "forms/odziv/response_charts.h"

#include <QChart>
#include <QChartView>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QPainter>
#include <QVBoxLayout>
#include <QValueAxis>
#include <cmath>

#include "formkit/fonts.h"

namespace odziv {

namespace {

QFont chartFont() { return formkit::tableFont(formkit::normal975, {}); }

QPen penOf(const QColor& colour, bool dashed, qreal width) {
    QPen pen(colour, width);
    if (dashed) pen.setStyle(Qt::DashLine);
    return pen;
}

std::vector<response::Point> evaluated(const Drawn& drawn, const std::vector<double>& grid) {
    const std::vector<double> frequencies = response::drawnFrequencies(*drawn.network, grid);
    std::vector<response::Point> points(frequencies.size());
    response::evaluate(*drawn.network, frequencies, points);
    if (drawn.reversed)
        for (response::Point& point : points)
            point.phase = point.phase > 0 ? point.phase - 180 : point.phase + 180;
    return points;
}

// The level in pieces above the floor: a piece ends at the floor where the curve falls
// through it and the next begins where it comes back, each crossing on the line between the
// points either side (on the log frequency scale, as drawn).
std::vector<QList<QPointF>> aboveFloor(const std::vector<response::Point>& points, double floor) {
    std::vector<QList<QPointF>> pieces(1);
    for (std::size_t i = 0; i < points.size(); ++i) {
        const response::Point& point = points[i];
        const bool above = point.level >= floor;
        if (i > 0 && above != (points[i - 1].level >= floor)) {
            const response::Point& before = points[i - 1];
            // No output is -infinity dB: the crossing is then at the point that has a level.
            const double t = std::isfinite(before.level) && std::isfinite(point.level)
                                 ? (floor - before.level) / (point.level - before.level)
                                 : (above ? 1 : 0);
            if (above && !pieces.back().isEmpty()) pieces.emplace_back();
            pieces.back().append(
                {before.frequency * std::pow(point.frequency / before.frequency, t), floor});
        }
        if (above) pieces.back().append({point.frequency, point.level});
    }
    return pieces;
}

}  // namespace

ResponseCharts::ResponseCharts(QWidget* parent)
    : QWidget(parent),
      m_level(makeChart(QStringLiteral("dB"), floor, lowCeiling, 10)),
      m_phase(makeChart(QStringLiteral("stepeni"), -180, 180, 90)),
      m_levelView(new QChartView(m_level, this)),
      m_phaseView(new QChartView(m_phase, this)),
      m_frequencies(response::logSweep(lowest, highest, points)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins({});
    layout->addWidget(m_levelView, 3);
    layout->addWidget(m_phaseView, 2);
    m_levelView->setMinimumHeight(180);
    m_phaseView->setMinimumHeight(130);
    m_levelView->setAccessibleName(QStringLiteral("Nivo"));
    m_levelView->setAccessibleDescription(QStringLiteral(
        "Nivo svake krive u dB od 10 do 40000 Hz, isprekidano sa standardnim kondenzatorima, "
        "crno zbir. Delove, granicne ucestanosti i zbir daje i tabela."));
    m_phaseView->setAccessibleName(QStringLiteral("Faza"));
    m_phaseView->setAccessibleDescription(
        QStringLiteral("Faza svake krive u stepenima od 10 do 40000 Hz, crno zbir."));
    for (QChartView* view : {m_levelView, m_phaseView}) {
        view->setRenderHint(QPainter::Antialiasing);
        view->setFocusPolicy(Qt::NoFocus);  // the table holds the same facts for the keyboard
    }
    m_level->legend()->setAlignment(Qt::AlignTop);
    m_level->legend()->setFont(chartFont());
    for (QChart* chart : {m_level, m_phase})
        connect(chart, &QChart::plotAreaChanged, this, &ResponseCharts::alignPlots);
    m_phase->legend()->hide();
    for (std::size_t half = 0; half < sumSlot; ++half) {
        m_computed[half] = makeLines(QColor(formkit::crossoverHalves[half].colour), false, 2);
        m_standard[half] = makeLines(QColor(formkit::crossoverHalves[half].colour), true, 1.5);
    }
    m_computed[sumSlot] = makeLines(Qt::black, false, 2.5);
    m_computed[sumSlot].level.front()->setName(QStringLiteral("zbir"));
    draw({}, {}, {}, {});
}

// Both plots take the same left and right edges, whatever the width of
// their value labels, so that the two charts read as one frequency axis.
void ResponseCharts::alignPlots() {
    const auto natural = [](const QChart* chart) {
        const QMargins margins = chart->margins();
        return std::pair{chart->plotArea().left() - margins.left(),
                         chart->size().width() - chart->plotArea().right() - margins.right()};
    };
    const auto [levelLeft, levelRight] = natural(m_level);
    const auto [phaseLeft, phaseRight] = natural(m_phase);
    const qreal left = std::max(levelLeft, phaseLeft), right = std::max(levelRight, phaseRight);
    for (const auto& [chart, ownLeft, ownRight] :
         {std::tuple{m_level, levelLeft, levelRight}, std::tuple{m_phase, phaseLeft, phaseRight}}) {
        const QMargins wanted(margin + int(std::lround(left - ownLeft)), margin,
                              margin + int(std::lround(right - ownRight)), margin);
        if (chart->margins() != wanted) chart->setMargins(wanted);
    }
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

ResponseCharts::Lines ResponseCharts::makeLines(const QColor& colour, bool dashed, qreal width) {
    Lines lines;
    lines.pen = penOf(colour, dashed, width);
    // The standard-capacitor twins show in level only: in phase they would hide the curves.
    lines.phased = !dashed;
    segment(m_level, lines.pen, lines.level, 0);
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

// The first segment stays shown while its curve is, even without points, for its name.
void ResponseCharts::showSegments(QChart* chart, const QPen& pen,
                                  std::vector<QLineSeries*>& segments,
                                  const std::vector<QList<QPointF>>& pieces, bool visible) {
    for (std::size_t i = 0; i < std::max(pieces.size(), segments.size()); ++i)
        replace(segment(chart, pen, segments, i), i < pieces.size() ? pieces[i] : QList<QPointF>(),
                visible && (i == 0 || i < pieces.size()));
}

// Qt Charts recomputes a series' whole outline on every replace, so a series
// is replaced only when its points change: after a press, the half pressed
// and the sum.
void ResponseCharts::show(Lines& lines, const std::vector<response::Point>& points, bool visible,
                          bool inLegend) {
    showSegments(m_level, lines.pen, lines.level, aboveFloor(points, floor), visible);
    // Set every time: a marker reads as hidden while the legend hides them all, before the
    // chart is first laid out, and shows with them unless it was itself hidden.
    for (std::size_t i = 0; i < lines.level.size(); ++i)
        for (QLegendMarker* marker : m_level->legend()->markers(lines.level[i]))
            marker->setVisible(i == 0 && visible && inLegend);
    if (!lines.phased) return;
    std::vector<QList<QPointF>> phase(1);
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (i > 0 && std::fabs(points[i].phase - points[i - 1].phase) > 180) phase.emplace_back();
        phase.back().append({points[i].frequency, points[i].phase});
    }
    showSegments(m_phase, lines.pen, lines.phase, phase, visible);
}

void ResponseCharts::replace(QLineSeries* series, const QList<QPointF>& points, bool visible) {
    if (series->points() != points) series->replace(points);
    if (series->isVisible() != visible) series->setVisible(visible);
}

void ResponseCharts::draw(std::span<const Curve> curves, std::span<const Drawn> computed,
                          std::span<const Drawn> standard,
                          const std::vector<response::Point>& sum) {
    std::array<bool, sumSlot> drawn{}, drawnStandard{};
    for (const Drawn& curve : computed) {
        show(m_computed[curve.half], evaluated(curve, m_frequencies), true, true);
        drawn[curve.half] = true;
    }
    for (const Drawn& curve : standard) {
        show(m_standard[curve.half], evaluated(curve, m_frequencies), true, false);
        drawnStandard[curve.half] = true;
    }
    for (const Curve& curve : curves) m_computed[curve.half].level.front()->setName(curve.name);
    for (std::size_t half = 0; half < sumSlot; ++half) {
        if (!drawn[half]) show(m_computed[half], {}, false, false);
        if (!drawnStandard[half]) show(m_standard[half], {}, false, false);
    }
    show(m_computed[sumSlot], sum, !sum.empty(), true);
    fitLevelAxis();
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

QImage ResponseCharts::image() const {
    const QPixmap level = m_levelView->grab();
    const QPixmap phase = m_phaseView->grab();
    QImage picture(std::max(level.width(), phase.width()), level.height() + phase.height(),
                   QImage::Format_RGB32);
    picture.fill(palette().window().color());
    QPainter painter(&picture);
    painter.drawPixmap(0, 0, level);
    painter.drawPixmap(0, level.height(), phase);
    return picture;
}

}  // namespace odziv
