#include "forms/odziv/bench_sheet.h"

#include <QAbstractAxis>
#include <QChart>
#include <QFont>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QLegend>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <utility>
#include <vector>

#include "formkit/fonts.h"

namespace odziv {

namespace {

constexpr double margin = 15;  // mm round the page
// Where each column of a parts table starts, mm from the left margin.
constexpr double columns[] = {0, 30, 62, 94, 124};

// The stand-in face, which is TrueType everywhere: the forms' own face is a bitmap face on
// Windows, which a PDF gets only as outlines, no text to search or copy.
// Where the system lacks it too, a sans face of the system's, not a serif one.
QFont inSheetFace(QFont font) {
    font.setFamily(QString::fromLatin1(formkit::standInFace));
    font.setStyleHint(QFont::SansSerif);
    return font;
}

// A chart's texts in the sheet's face while it is drawn for the page, and back after.
class ChartInSheetFace {
public:
    explicit ChartInSheetFace(QChart& chart) : m_chart(chart), m_legend(chart.legend()->font()) {
        chart.legend()->setFont(inSheetFace(m_legend));
        for (QAbstractAxis* axis : chart.axes()) {
            m_axes.push_back({axis->labelsFont(), axis->titleFont()});
            axis->setLabelsFont(inSheetFace(axis->labelsFont()));
            axis->setTitleFont(inSheetFace(axis->titleFont()));
        }
    }
    ~ChartInSheetFace() {
        m_chart.legend()->setFont(m_legend);
        const QList<QAbstractAxis*> axes = m_chart.axes();
        for (qsizetype i = 0; i < axes.size() && std::size_t(i) < m_axes.size(); ++i) {
            axes[i]->setLabelsFont(m_axes[std::size_t(i)].first);
            axes[i]->setTitleFont(m_axes[std::size_t(i)].second);
        }
    }
    ChartInSheetFace(const ChartInSheetFace&) = delete;
    ChartInSheetFace& operator=(const ChartInSheetFace&) = delete;

private:
    QChart& m_chart;
    QFont m_legend;
    std::vector<std::pair<QFont, QFont>> m_axes;  // labels, title
};

// Writes down the page in millimetres, starting a new page where a block does not fit.
class Pen {
public:
    Pen(QPainter& painter, QPagedPaintDevice& device, const QString& footer)
        : m_painter(painter),
          m_device(device),
          m_mm(device.logicalDpiY() / 25.4),
          m_width(device.width() / m_mm - 2 * margin),
          m_bottom(device.height() / m_mm - margin - 6),
          m_footer(footer) {
        writeFooter();
    }

    double mm() const { return m_mm; }
    double width() const { return m_width; }
    QPainter& painter() { return m_painter; }

    void setFont(double points, bool bold = false) {
        QFont font = inSheetFace({});
        font.setPointSizeF(points);
        font.setBold(bold);
        m_painter.setFont(font);
    }
    double lineHeight() const {
        return QFontMetricsF(m_painter.font(), &m_device).lineSpacing() / m_mm;
    }
    // A new page where `height` mm no longer fit below what is written.
    void makeRoom(double height) {
        if (m_y + height > m_bottom && m_y > margin) newPage();
    }
    void newPage() {
        m_failed = m_failed || !m_device.newPage();
        ++m_page;
        m_y = margin;
        writeFooter();
    }
    // Whether a page could not be started: a printer that went away, say.
    bool failed() const { return m_failed; }
    void line(const QString& text, double indent = 0) {
        const QFontMetricsF metrics(m_painter.font(), &m_device);
        m_painter.drawText(point(indent, m_y + metrics.ascent() / m_mm), text);
        m_y += metrics.lineSpacing() / m_mm;
    }
    // Texts side by side at the columns' starts, on one line.
    void row(const QStringList& texts) {
        const QFontMetricsF metrics(m_painter.font(), &m_device);
        for (qsizetype i = 0; i < texts.size(); ++i)
            m_painter.drawText(point(columns[i], m_y + metrics.ascent() / m_mm), texts[i]);
        m_y += metrics.lineSpacing() / m_mm;
    }
    // A block `height` mm high, drawn by `draw` into its rectangle, device pixels.
    template <class Draw>
    void block(double height, Draw draw) {
        draw(QRectF(point(0, m_y), point(m_width, m_y + height)));
        m_y += height;
    }
    void skip(double height) { m_y += height; }
    double spaceLeft() const { return m_bottom - m_y; }

private:
    QPointF point(double x, double y) const { return {(margin + x) * m_mm, y * m_mm}; }
    void writeFooter() {
        m_painter.save();
        QFont font = inSheetFace({});
        font.setPointSizeF(8);
        m_painter.setFont(font);
        m_painter.drawText(point(0, m_bottom + 6),
                           m_footer + QStringLiteral(" - strana %1").arg(m_page));
        m_painter.restore();
    }

    QPainter& m_painter;
    QPagedPaintDevice& m_device;
    double m_mm;
    double m_width;
    double m_bottom;
    QString m_footer;
    double m_y = margin;
    int m_page = 1;
    bool m_failed = false;
};

void writeSection(Pen& pen, const SheetSection& section) {
    pen.setFont(8);
    const double table = pen.lineHeight() * double(section.parts.size() + 1);
    pen.setFont(11, true);
    pen.makeRoom(pen.lineHeight() + schematicHeight + table + 12);
    pen.line(section.title);
    pen.setFont(8);
    pen.block(schematicHeight, [&](const QRectF& area) {
        drawSchematic(pen.painter(), area, pen.mm(), section.steps, section.load);
    });
    pen.skip(2);
    pen.setFont(8, true);
    pen.row({QStringLiteral("Deo"), QStringLiteral("Izracunato"), QStringLiteral("Standardno"),
             QStringLiteral("Otpor zice"), QStringLiteral("Snaga otpornika")});
    pen.setFont(8);
    for (const SheetPart& part : section.parts)
        pen.row({part.name, part.value, part.standard, part.wire, part.power});
    if (!section.edges.isEmpty()) pen.line(section.edges);
    pen.skip(4);
}

void writeCoils(Pen& pen, const SheetContent& content) {
    pen.setFont(11, true);
    pen.makeRoom(3 * pen.lineHeight() + 10);
    pen.line(QStringLiteral("Namotaji kalemova"));
    pen.setFont(8);
    pen.line(content.windingNote);
    pen.skip(1);
    for (const SheetCoil& coil : content.coils) {
        pen.setFont(9, true);
        pen.makeRoom(pen.lineHeight() * double(coil.lines.size() + 1) + 2);
        pen.line(coil.title);
        pen.setFont(8);
        for (const QString& text : coil.lines) pen.line(text, 4);
        pen.skip(1.5);
    }
}

// Each chart across the page's width, at a size of its own: drawn through the painter, so that its
// lines and texts stay lines and texts. The chart is laid out for the page and back for its window.
// `below` millimetres are left on the page for what follows.
void writeCharts(Pen& pen, std::span<QChart* const> charts, double below) {
    constexpr double pixelsPerMm = 5;  // the chart's texts at the size they have on a screen
    pen.setFont(9, true);
    const double titles = 2 * pen.lineHeight() + 10;
    // Levels above their phases, which need less height.
    const double unit = std::min(40.0, (pen.spaceLeft() - titles - below) / 5);
    const QString pairs[] = {QStringLiteral("Nivo i faza"),
                             QStringLiteral("Impedansa koju vidi pojacalo i njena faza")};
    for (std::size_t i = 0; i < charts.size(); ++i) {
        QChart* chart = charts[i];
        if (i % 2 == 0 && i / 2 < std::size(pairs)) {
            pen.setFont(9, true);
            pen.line(pairs[i / 2]);
        }
        const double height = i % 2 == 0 ? 1.5 * unit : unit;
        const QSizeF shown = chart->size();
        {
            const ChartInSheetFace face(*chart);
            chart->resize(pen.width() * pixelsPerMm, height * pixelsPerMm);
            chart->layout()->activate();
            pen.block(height, [&](const QRectF& area) {
                chart->scene()->render(&pen.painter(), area, chart->sceneBoundingRect());
            });
            chart->resize(shown);
        }
        chart->layout()->activate();
        pen.skip(1);
    }
    pen.skip(3);
}

}  // namespace

bool drawSheet(QPagedPaintDevice& device, const SheetContent& content,
               std::span<QChart* const> charts) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    painter.setRenderHint(QPainter::Antialiasing);
    Pen pen(painter, device, QStringLiteral("Tav20: ") + content.heading.project);

    pen.setFont(16, true);
    pen.line(QStringLiteral("List za radni sto"));
    pen.setFont(10);
    pen.line(QStringLiteral("Projekat: %1    Datum: %2")
                 .arg(content.heading.project,
                      content.heading.date.toString(QStringLiteral("d. M. yyyy."))));
    pen.skip(5);
    for (const SheetSection& section : content.sections) writeSection(pen, section);
    if (!content.powerNote.isEmpty()) {
        pen.setFont(8);
        pen.line(content.powerNote);
        pen.skip(4);
    }
    if (!content.coils.empty()) writeCoils(pen, content);

    pen.newPage();
    pen.setFont(11, true);
    double sum = content.sum.isEmpty() ? 0 : pen.lineHeight();
    pen.setFont(9);
    sum += pen.lineHeight() * double(content.sum.size());
    writeCharts(pen, charts, sum);
    if (!content.sum.isEmpty()) {
        pen.setFont(11, true);
        pen.line(QStringLiteral("Zbir"));
        pen.setFont(9);
        for (const QString& fact : content.sum) pen.line(fact);
    }
    const bool ended = painter.end();
    return ended && !pen.failed();
}

}  // namespace odziv
