#pragma once

#include "formkit/control_table.h"

class QWidget;

namespace formkit {

// Gives every text field, button and result label of a loaded form a name a
// screen reader can speak, taken from the labels around it: a field by its
// symbol and the title above it, a button or a result by the header of its half.
void nameForAccessibility(const FormTable& table, QWidget& form);

}  // namespace formkit
