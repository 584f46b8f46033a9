#pragma once

#include <QWidget>
#include <array>
#include <optional>
#include <vector>

#include "formkit/corrections.h"
#include "formkit/warnings.h"
#include "formkit/workspace.h"
#include "forms/korekcija/sections.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace korekcija {

// "Korekcija": the networks that make a driver behave like the resistor the crossover was
// computed for (a Zobel, a resonance notch), match its level (an L-pad) or make up the baffle
// step, each with its parts, their standard values and what each resistor must survive. Each
// network computed goes to the response window, whose curves can switch it in.
class KorekcijaWindow : public QWidget {
    Q_OBJECT

public:
    explicit KorekcijaWindow(formkit::Workspace& workspace);

    // The driver whose figures fill the fields, by its id in the drivers' list; 0: as typed.
    void chooseDriver(int id);

private:
    struct SectionWidgets {
        std::vector<formkit::Input> inputs;
        QPushButton* button = nullptr;
        QLabel* note = nullptr;
        QTableWidget* table = nullptr;
        std::optional<Design> design;
        double load = 0;  // ohm: the impedance it was computed for
    };

    void compute(std::size_t kind);
    std::optional<std::vector<double>> read(std::span<const formkit::Input> inputs);
    void listDrivers();
    void takeFigures();
    void windStepCoil();

    formkit::Workspace& m_workspace;
    QComboBox* m_driver;
    QLabel* m_source;
    QPushButton* m_wind = nullptr;             // the baffle step's coil to the winding window
    std::array<formkit::Input, 2> m_common{};  // in the order of Common
    std::array<SectionWidgets, formkit::Corrections::kinds> m_sections;
};

// The window's design, for the main window's menu.
extern const formkit::WindowDesign frmKorekcija;

}  // namespace korekcija
