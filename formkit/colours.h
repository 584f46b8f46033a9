#pragma once

#include <QBrush>
#include <QPalette>

#include "formkit/control_table.h"

namespace formkit {

// The colour a table names, taken from the palette for system colours so that
// it follows the user's scheme.
QColor colourOf(Colour colour, const QPalette& palette);

}  // namespace formkit
