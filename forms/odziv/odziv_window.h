#pragma once

#include <QWidget>
#include <array>
#include <span>
#include <vector>

#include "formkit/bench_sheet.h"
#include "formkit/corrections.h"
#include "formkit/shown_results.h"
#include "formkit/workspace.h"
#include "project/project.h"
#include "response/standard.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QListView;
class QPushButton;
class QTableView;

namespace odziv {

class FactsModel;
class ResponseCharts;

// "Odziv skretnice": the response of every crossover half that shows a
// result, into a resistor of its Z or into a driver as it is, with the
// nearest standard capacitors, how the sections sum and what impedance the
// amplifier sees. It follows each successful press, each form that closes and
// each driver entered or removed.
class OdzivWindow : public QWidget, public formkit::BenchSheet {
    Q_OBJECT
    Q_INTERFACES(formkit::BenchSheet)

public:
    explicit OdzivWindow(formkit::Workspace& workspace);

    QSize sizeHint() const override { return {1100, 900}; }

    // Both charts as one PNG; a file that cannot be written is reported, and nothing else changes.
    bool saveImage(const QString& path);
    // The whole table as CSV, for a spreadsheet or a parts order; a name without a suffix gets
    // ".csv". A file that cannot be written is reported, and an older one of that name stays.
    bool exportTable(const QString& path);

    ResponseCharts* charts() const { return m_charts; }
    FactsModel* facts() const { return m_facts; }

    bool hasBenchSheet() const override;
    bool drawBenchSheet(QPagedPaintDevice& device, const Heading& heading) override;

    // Recomputes every curve from the results shown; after each press.
    void refresh();
    // Opens the dialog that enters a driver.
    void enterDriver(bool fromFiles);

protected:
    // The facts first: the window hands its focus to the table.
    void focusInEvent(QFocusEvent* event) override;

private:
    void redraw();
    void askWhereToSave();
    void copyRows();
    void askWhereToExport();
    void windSelectedCoil();
    void woundResistance();
    void typeResistance(std::size_t half, int part, const QString& text);
    std::vector<project::Setting> wireSettings() const;
    void takeWires(std::span<const project::Setting> settings);
    void updateCoilButtons();
    void listDrivers();
    void removeDriver();
    void offerCorrections();
    response::Series series() const;

    // A curve's row of choices: whether it is in the sum, whether its driver is wired in
    // reverse, and what it feeds: the resistor Z or a driver of the list. Shown while the curve
    // is drawn. Below them, a check per correction, on once it is computed in "Korekcija".
    struct Choices {
        QLabel* name;
        QCheckBox* inSum;
        QCheckBox* reversed;
        QComboBox* driver;
        std::array<QCheckBox*, formkit::Corrections::kinds> corrections;
    };
    // A coil's resistance: typed, or that of the coil the winding window winds.
    struct Wire {
        double typed = 0;  // ohm
        bool wound = false;
        QString text;  // as typed, for a project
    };

    formkit::Workspace& m_workspace;
    FactsModel* m_facts;
    ResponseCharts* m_charts;
    QComboBox* m_series;
    QTableView* m_table;
    QPushButton* m_wind;
    QPushButton* m_wound;
    QLabel* m_empty;
    QLabel* m_legend;
    QListView* m_drivers;
    std::array<Choices, formkit::ShownResults::halves> m_choices;
    std::array<std::array<Wire, 4>, formkit::ShownResults::halves> m_wires{};
    QString m_folder;  // where the file dialogs open
};

// The window's design where the program links it in.
extern const formkit::WindowDesign frmOdziv;

}  // namespace odziv
