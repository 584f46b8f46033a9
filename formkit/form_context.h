#pragma once

#include <functional>

#include "calc/calc.h"
#include "formkit/warner.h"

namespace formkit {

class ShownResults;

// What every form's handlers need from outside: the warner, the regional
// settings, asked for on every press, and where shown results are recorded.
struct FormContext {
    Warner& warner;
    std::function<calc::Region()> region;
    ShownResults* shown = nullptr;
};

}  // namespace formkit
