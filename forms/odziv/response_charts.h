#pragma once

#include <QImage>
#include <QPen>
#include <QWidget>
#include <array>
#include <span>
#include <vector>

#include "forms/odziv/curve.h"

class QChart;
class QChartView;
class QLineSeries;
class QAbstractAxis;

namespace odziv {

// A curve to draw: a half's network, and whether its driver is wired in
// reverse, which turns its phase round.
struct Drawn {
    std::size_t half;
    const response::Network* network;
    bool reversed;
};

// Level above, phase below, on the same logarithmic frequency axis from
// 10 Hz to 40 kHz; each half in its own colour, its standard-capacitor twin
// dashed, and the sum in black.
class ResponseCharts : public QWidget {
    Q_OBJECT

public:
    static constexpr double lowest = 10, highest = 40000;  // Hz
    // The level axis reaches up to the highest level drawn in steps of 6 dB, from +6 up to +60:
    // beyond that lie only resonances no loudspeaker plays, which leave the chart at its top.
    static constexpr double floor = -40, lowCeiling = 6, highCeiling = 60, ceilingStep = 6;  // dB
    static constexpr int points = 400;

    explicit ResponseCharts(QWidget* parent = nullptr);

    // Draws the curves given, with names, each through its peaks and dips, and the sum unless
    // it has no points.
    void draw(std::span<const Curve> curves, std::span<const Drawn> computed,
              std::span<const Drawn> standard, const std::vector<response::Point>& sum);
    // The frequencies every curve is drawn at, besides its own turns and edges.
    const std::vector<double>& grid() const { return m_frequencies; }

    // Both charts as one picture, level above phase.
    QImage image() const;

    QChart* levelChart() const { return m_level; }
    QChart* phaseChart() const { return m_phase; }

private:
    // A curve's lines, each in segments: its level cut where it falls below the floor, so that no
    // line runs along the floor, and its phase where it wraps round from +180 to -180 degrees, so
    // that none crosses the chart. The first level segment carries the curve's name.
    struct Lines {
        QPen pen;
        bool phased = true;
        std::vector<QLineSeries*> level;
        std::vector<QLineSeries*> phase;
    };
    static constexpr std::size_t sumSlot = formkit::ShownResults::halves;

    static constexpr int margin = 4;  // pixels around a chart
    QChart* makeChart(const QString& unit, double low, double high, double tick);
    void alignPlots();
    Lines makeLines(const QColor& colour, bool dashed, qreal width);
    void show(Lines& lines, const std::vector<response::Point>& points, bool visible,
              bool inLegend);
    void showSegments(QChart* chart, const QPen& pen, std::vector<QLineSeries*>& segments,
                      const std::vector<QList<QPointF>>& pieces, bool visible);
    static QLineSeries* segment(QChart* chart, const QPen& pen, std::vector<QLineSeries*>& segments,
                                std::size_t index);
    static void replace(QLineSeries* series, const QList<QPointF>& points, bool visible);

    void fitLevelAxis();

    QChart* m_level;
    QChart* m_phase;
    QChartView* m_levelView;
    QChartView* m_phaseView;
    std::vector<double> m_frequencies;
    std::array<Lines, sumSlot + 1> m_computed;
    std::array<Lines, sumSlot> m_standard;
};

}  // namespace odziv
