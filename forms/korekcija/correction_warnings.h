#pragma once

#include <QString>

#include "driver/correction.h"
#include "formkit/warnings.h"

namespace korekcija {

// Why a section's network cannot be made, in a sentence that names the field to fix.
QString correctionWarning(driver::Problem problem, const formkit::Input& input,
                          const calc::Region& region);

// A field that must be above zero and is not.
QString notPositiveWarning(const formkit::Input& input);

}  // namespace korekcija
