#pragma once

#include "formkit/warner.h"
#include "formkit/workspace.h"

// The response window as the program gets it: from its module, loaded the
// first time the window is asked for, or linked in where there is none; a
// build without Qt Charts has none at all, and the command says so.
formkit::WindowDesign responseWindow(formkit::Warner& warner);
