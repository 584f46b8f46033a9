#pragma once

#include <QWidget>
#include <array>
#include <span>

#include "formkit/form_context.h"
#include "formkit/warnings.h"
#include "formkit/workspace.h"
#include "winding/winding.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace namotaj {

// "Namotaj kalema": the coil to wind for an inductance a crossover needs.
class NamotajWindow : public QWidget {
    Q_OBJECT

public:
    explicit NamotajWindow(const formkit::FormContext& context);

    // A coil handed over from another window: its inductance into L, its
    // loudspeaker's impedance into Z.
    void takeCoil(const formkit::CoilToWind& coil);

private:
    void windCoil(bool tellFailures);  // "Izracunaj", or quietly after a new wire
    void suggestWire();                // "Predlozi zicu"
    void showOuterDiameter();          // dl's placeholder, the default for the dz typed
    void tell(const winding::BadField& failure);
    void showAround(const winding::Winding& coil, const calc::Region& region);
    std::array<QWidget*, 6> coilResults() const;
    void markStale(std::span<QWidget* const> results, bool stale);

    const formkit::Input& input(winding::Field field) const;
    std::span<const formkit::Input, 5> coilInputs() const;
    std::span<const formkit::Input, 3> wireInputs() const;

    const formkit::FormContext& m_context;
    std::array<formkit::Input, 8> m_inputs{};  // in the order of winding::Field
    QLabel* m_turns = nullptr;
    QLabel* m_size = nullptr;
    QLabel* m_inductance = nullptr;
    QLabel* m_copper = nullptr;
    QLabel* m_loss = nullptr;
    QLabel* m_wire = nullptr;
    QTableWidget* m_around = nullptr;  // N - 2 to N + 2
    QPushButton* m_wind = nullptr;     // "Izracunaj"
};

// The window's design, for the main window's menu; it takes the coils that
// other windows hand over.
extern const formkit::WindowDesign frmNamotaj;

}  // namespace namotaj
