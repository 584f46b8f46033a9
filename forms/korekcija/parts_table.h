#pragma once

#include <QString>
#include <span>

#include "calc/calc.h"
#include "driver/correction.h"
#include "response/sweep.h"

class QTableWidget;

namespace korekcija {

// A section's table of parts, empty until its first press, read-only, passed by Tab's chain of
// fields but reachable by it.
QTableWidget* newPartsTable(const char* name, const QString& spokenName);

// Each part of a correction with its standard value (E24 resistors, E12 capacitors) and the
// deviation, and each resistor with the most it takes, where, and whether a resistor of the
// rating (W) survives it.
void showParts(QTableWidget& table, const driver::Correction& correction,
               std::span<const response::Dissipation> powers, double rating,
               const calc::Region& region);

}  // namespace korekcija
