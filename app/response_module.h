#pragma once

#include "forms/failure.h"
#include "forms/workspace.h"

// The response window as the program gets it: from its module, loaded the
// first time the window is asked for, or linked in where there is none.
forms::WindowMaker responseWindow(forms::FailurePresenter& presenter);
