#pragma once

#include <QFont>

#include "forms/control_table.h"

namespace forms {

// The face that stands in for "MS Sans Serif", which Linux does not have.
inline constexpr const char* standInFace = "Liberation Sans";

// A table font at its size in logical pixels (points at 96 dpi), so text
// scales with the twips layout rather than with the screen's reported dpi.
QFont tableFont(const Font& font, const QFont& formDefault);

// A form's default font, for controls that name none: the stand-in at the
// size of the dialog font the forms were designed with, 8 pt regular.
QFont dialogFont();

}  // namespace forms
