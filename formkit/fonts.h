#pragma once

#include <QFont>
#include <QString>

#include "formkit/control_table.h"

namespace formkit {

// The face the forms were drawn in.
inline constexpr const char* formFace = "MS Sans Serif";

// The face that stands in where the system lacks the forms' face: Windows'
// TrueType successor of it, or on Linux a sans face from Debian.
#ifdef Q_OS_WIN
inline constexpr const char* standInFace = "Microsoft Sans Serif";
#else
inline constexpr const char* standInFace = "Liberation Sans";
#endif

// The forms' face where the font database has it, else the stand-in.
QString tableFace();

// A table font at its size in logical pixels (points at 96 dpi), so text
// scales with the twips layout rather than with the screen's reported dpi.
QFont tableFont(const Font& font, const QFont& formDefault);

// A form's default font, for controls that name none: the table face at the
// size of the dialog font the forms were designed with, 8 pt regular.
QFont dialogFont();

}  // namespace formkit
