#pragma once

#include <QStringList>

#include "project/project.h"

namespace forms {

class MainWindow;

// Whether each window's place and size go along: a project is saved with them, but moving a window
// does not change it.
enum class Frames { Kept, Left };

// Everything a project keeps, gathered from the open windows, the drivers and the corrections.
project::Project gatherProject(const MainWindow& main, Frames frames = Frames::Kept);

// Closes every window, then opens the project's: its drivers and corrections first, then its
// windows in order, each given its texts and its presses again, and its place and size. The names
// of the windows this program cannot open (one built without the response window) come back.
QStringList openProject(MainWindow& main, const project::Project& kept);

}  // namespace forms
