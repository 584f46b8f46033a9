#pragma once

#include <QWidget>

#include "forms/failure.h"

namespace namotaj {

// "Namotaj kalema": the coil to wind for an inductance a crossover needs.
class NamotajWindow : public QWidget {
    Q_OBJECT

public:
    explicit NamotajWindow(const forms::FormContext& context);

    // A coil's inductance in mH put into L, as the response window hands it over.
    void takeInductance(double millihenry);

private:
    const forms::FormContext& m_context;
};

}  // namespace namotaj
