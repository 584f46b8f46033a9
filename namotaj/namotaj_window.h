#pragma once

#include <QWidget>
#include <array>
#include <span>

#include "forms/failure.h"
#include "forms/warnings.h"
#include "winding/winding.h"

class QLabel;

namespace namotaj {

// "Namotaj kalema": the coil to wind for an inductance a crossover needs.
class NamotajWindow : public QWidget {
    Q_OBJECT

public:
    explicit NamotajWindow(const forms::FormContext& context);

    // A coil's inductance in mH put into L, as the response window hands it over.
    void takeInductance(double millihenry);

private:
    void windCoil();     // "Izracunaj"
    void suggestWire();  // "Predlozi zicu"
    void tell(const winding::Failure& failure);

    const forms::Input& input(winding::Field field) const;
    std::span<const forms::Input, 4> coilInputs() const;
    std::span<const forms::Input, 3> wireInputs() const;

    const forms::FormContext& m_context;
    std::array<forms::Input, 7> m_inputs{};  // in the order of winding::Field
    QLabel* m_turns = nullptr;
    QLabel* m_size = nullptr;
    QLabel* m_inductance = nullptr;
    QLabel* m_copper = nullptr;
    QLabel* m_loss = nullptr;
    QLabel* m_wire = nullptr;
};

}  // namespace namotaj
