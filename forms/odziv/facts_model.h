#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

#include "formkit/workspace.h"
#include "forms/odziv/curve.h"

namespace odziv {

// The window's facts as a table that the keyboard and a screen reader can
// reach: one row per part of every curve, a coil's with its resistance, which
// can be typed there, then the parts of the corrections switched in, and the
// curve's -3 dB edges, the frequencies typed and the deviation.
class FactsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column {
        CurveName,
        PartName,
        Value,
        StandardValue,
        Resistance,
        Target,
        Edge,
        Deviation,
        StandardEdge,
        StandardDeviation,
        SoundEdge,
        Columns
    };

    // Where a coil's resistance is typed into its cell: its half, its part and the text.
    std::function<void(std::size_t half, int part, const QString& text)> resistanceTyped;

    void setCurves(std::vector<Curve> curves, std::vector<std::vector<QString>> partTexts,
                   response::Series series, const calc::Region& region);
    // The sum's rows, below the curves; none where nothing is summed.
    void setSum(const std::optional<SumFacts>& sum);
    const std::vector<Curve>& curves() const { return m_curves; }
    // The sum's facts as its rows tell them.
    QStringList sumNotes() const;
    // The separators its texts are written with, since the last setCurves.
    const calc::Region& region() const { return m_region; }

    // The coil a row shows, with its curve's load: what can be wound.
    std::optional<formkit::CoilToWind> coilAt(int row) const;
    // The row of a curve's part, to keep a place across updates, and the half and part of a row.
    std::optional<int> rowOf(std::size_t half, int part) const;
    std::optional<std::pair<std::size_t, int>> partAt(int row) const;
    // A note tells across the table why a curve cannot be drawn, what its deviations lack, or a
    // fact of the sum.
    bool isNote(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    struct Row {
        std::size_t curve;  // the sum after the last curve
        int part;           // -1: a note
        QString note;
    };
    std::size_t sumIndex() const { return m_curves.size(); }
    QString text(const Row& row, int column) const;
    QString correctionText(const Row& row, int column) const;
    // A part of the curve's own network, not of its corrections.
    bool isLadderPart(const Row& row) const;
    bool isCoil(const QModelIndex& index) const;
    bool first(const Row& row) const { return row.part <= 0; }

    std::vector<Curve> m_curves;
    std::vector<std::vector<QString>> m_partTexts;
    std::vector<Row> m_rows;
    response::Series m_series = response::Series::E12;
    calc::Region m_region;
};

}  // namespace odziv
