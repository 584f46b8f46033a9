#pragma once

#include <QFont>

#include "forms/control_table.h"

namespace forms {

// The face that stands in for "MS Sans Serif", which Linux does not have.
inline constexpr const char* standInFace = "Liberation Sans";

// A table font at its size in logical pixels (points at 96 dpi), so text
// scales with the twips layout rather than with the screen's reported dpi.
QFont tableFont(const Font& font, const QFont& formDefault);

}  // namespace forms
