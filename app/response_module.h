#pragma once

#include "forms/failure.h"
#include "forms/workspace.h"

// The response window as the program gets it: from its module, loaded the
// first time the window is asked for, or linked in where there is none; a
// build without Qt Charts has none at all, and the command says so.
forms::WindowMaker responseWindow(forms::FailurePresenter& presenter);
