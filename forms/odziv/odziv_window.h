#pragma once

#include <QWidget>
#include <array>

#include "formkit/shown_results.h"
#include "formkit/workspace.h"
#include "response/standard.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableView;

namespace odziv {

class FactsModel;
class ResponseCharts;

// "Odziv skretnice": the response of every crossover half that shows a
// result, with the nearest standard capacitors and how the sections sum.
// It follows each successful press and each form that closes.
class OdzivWindow : public QWidget {
    Q_OBJECT

public:
    explicit OdzivWindow(formkit::Workspace& workspace);

    QSize sizeHint() const override { return {900, 860}; }

    // Both charts as one PNG; a file that cannot be written is reported, and nothing else changes.
    bool saveImage(const QString& path);

    ResponseCharts* charts() const { return m_charts; }
    FactsModel* facts() const { return m_facts; }

    // Recomputes every curve from the results shown; after each press.
    void refresh();

protected:
    // The facts first: the window hands its focus to the table.
    void focusInEvent(QFocusEvent* event) override;

private:
    void redraw();
    void askWhereToSave();
    void copyRows();
    void windSelectedCoil();
    void updateWindButton();
    response::Series series() const;

    // A curve's row of choices: whether it is in the sum, and whether its driver is wired in
    // reverse. Shown while the curve is drawn.
    struct Choices {
        QLabel* name;
        QCheckBox* inSum;
        QCheckBox* reversed;
    };

    formkit::Workspace& m_workspace;
    FactsModel* m_facts;
    ResponseCharts* m_charts;
    QComboBox* m_series;
    QTableView* m_table;
    QPushButton* m_wind;
    QLabel* m_empty;
    std::array<Choices, formkit::ShownResults::halves> m_choices;
};

// The window's design where the program links it in.
extern const formkit::WindowDesign frmOdziv;

}  // namespace odziv
