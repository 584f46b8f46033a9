#pragma once

#include <QBrush>
#include <QPalette>

#include "forms/control_table.h"

namespace forms {

// The colour a table names, taken from the palette for system colours so that
// it follows the user's scheme.
QColor colourOf(Colour colour, const QPalette& palette);

}  // namespace forms
