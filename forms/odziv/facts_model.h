#pragma once

#include <QAbstractTableModel>
#include <optional>
#include <vector>

#include "formkit/workspace.h"
#include "forms/odziv/curve.h"

namespace odziv {

// The window's facts as a table that the keyboard and a screen reader can
// reach: one row per part of every curve, with the curve's -3 dB edges, the
// frequencies typed and the deviation.
class FactsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column {
        CurveName,
        PartName,
        Value,
        StandardValue,
        Target,
        Edge,
        Deviation,
        StandardEdge,
        StandardDeviation,
        Columns
    };

    void setCurves(std::vector<Curve> curves, std::vector<std::vector<QString>> partTexts,
                   response::Series series, const calc::Region& region);
    // The sum's rows, below the curves; none where nothing is summed.
    void setSum(const std::optional<SumFacts>& sum);
    const std::vector<Curve>& curves() const { return m_curves; }

    // The coil a row shows, with its curve's load: what can be wound.
    std::optional<formkit::CoilToWind> coilAt(int row) const;
    // The row of a curve's part, to keep a place across updates.
    std::optional<int> rowOf(std::size_t half, int part) const;
    // A note tells across the table why a curve cannot be drawn, what its deviations lack, or a
    // fact of the sum.
    bool isNote(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    struct Row {
        std::size_t curve;  // the sum after the last curve
        int part;           // -1: a note
        QString note;
    };
    std::size_t sumIndex() const { return m_curves.size(); }
    QString text(const Row& row, int column) const;
    bool first(const Row& row) const { return row.part <= 0; }

    std::vector<Curve> m_curves;
    std::vector<std::vector<QString>> m_partTexts;
    std::vector<Row> m_rows;
    response::Series m_series = response::Series::E12;
    calc::Region m_region;
};

}  // namespace odziv
