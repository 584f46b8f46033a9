#pragma once

#include <QImage>
#include <QPen>
#include <QWidget>
#include <array>
#include <optional>
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

// Level above phase on the left, the impedance the amplifier sees above its
// phase on the right, all on the same logarithmic frequency axis from 10 Hz to
// 40 kHz; each half in its own colour, its standard-capacitor twin dashed, the
// sum and the whole loudspeaker in black. Where a driver's file holds its end
// sample, a line is dotted and faint: an extrapolation, not a measurement.
class ResponseCharts : public QWidget {
    Q_OBJECT

public:
    static constexpr double lowest = 10, highest = 40000;  // Hz
    // The level axis reaches up to the highest level drawn in steps of 6 dB, from +6 up to +60:
    // beyond that lie only resonances no loudspeaker plays, which leave the chart at its top.
    static constexpr double floor = -40, lowCeiling = 6, highCeiling = 60, ceilingStep = 6;  // dB
    // The impedance axis reaches from 0 up to the highest the whole loudspeaker (or, without one,
    // any section) shows where it is heard, in steps of 10 from 20 up to 60 ohm: a section's own
    // rise where the others take over leaves the chart at its top.
    static constexpr double lowOhmCeiling = 20, highOhmCeiling = 60, ohmStep = 10;
    static constexpr int points = 400;

    explicit ResponseCharts(QWidget* parent = nullptr);

    // Draws the curves given, with names, each through its peaks and dips, their impedance, and
    // the sum and the impedance of the sections in it unless they have no points.
    void draw(std::span<const Curve> curves, std::span<const Drawn> computed,
              std::span<const Drawn> standard, const std::vector<response::Point>& sum,
              const std::vector<response::Point>& whole);
    // The frequencies every curve is drawn at, besides its own turns and edges.
    const std::vector<double>& grid() const { return m_frequencies; }

    // The four charts as one picture, as they stand.
    QImage image();

    QChart* levelChart() const { return m_level; }
    QChart* phaseChart() const { return m_phase; }
    QChart* impedanceChart() const { return m_impedance; }
    QChart* impedancePhaseChart() const { return m_impedancePhase; }

private:
    // A curve's lines on a chart and the one below, each in segments: its value cut where it falls
    // below the floor, so that no line runs along the floor, and its phase where it wraps round
    // from +180 to -180 degrees, so that none crosses the chart; the measured and the extrapolated
    // apart. The first measured segment carries the curve's name.
    struct Lines {
        QPen pen;
        QPen faint;          // beyond a file's samples
        QChart* chart;       // level or |Z|
        QChart* phaseChart;  // none: the value alone
        double floor;
        std::vector<QLineSeries*> value, phase, faintValue, faintPhase;
        // What the points were last computed from: an unchanged curve is not computed again.
        std::optional<response::Network> network;
        bool reversed = false;
        std::vector<response::Point> points;
    };
    static constexpr std::size_t sumSlot = formkit::ShownResults::halves;

    static constexpr int margin = 4;  // pixels around a chart
    QChart* makeChart(const QString& unit, double low, double high, double tick);
    QChartView* makeView(QChart* chart, const QString& name, const QString& description);
    void alignPlots(QChart* top, QChart* bottom);
    static void spaceLabels(QChart* chart, double tick);
    Lines makeLines(const QColor& colour, bool dashed, qreal width, QChart* chart,
                    QChart* phaseChart, double floor);
    void show(Lines& lines, const std::vector<response::Point>& points, bool visible,
              bool inLegend);
    static void showSegments(QChart* chart, const QPen& pen, std::vector<QLineSeries*>& segments,
                             const std::vector<QList<QPointF>>& pieces, bool visible, bool named);
    static QLineSeries* segment(QChart* chart, const QPen& pen, std::vector<QLineSeries*>& segments,
                                std::size_t index);
    static void replace(QLineSeries* series, const QList<QPointF>& points, bool visible);

    const std::vector<response::Point>& pointsOf(Lines& lines, const Drawn& curve, bool impedance);

    void fitLevelAxis();
    void fitImpedanceAxis(const std::vector<const std::vector<response::Point>*>& sections,
                          const std::vector<response::Point>& whole);

    QChart* m_level;
    QChart* m_phase;
    QChart* m_impedance;
    QChart* m_impedancePhase;
    std::vector<double> m_frequencies;
    std::array<Lines, sumSlot + 1> m_computed;
    std::array<Lines, sumSlot> m_standard;
    std::array<Lines, sumSlot + 1> m_impedances;
};

}  // namespace odziv
