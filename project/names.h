#pragma once

#include <array>
#include <string_view>
#include <utility>

#include "driver/correction.h"
#include "driver/parameters.h"

namespace project {

// The names a project file gives a driver's parameters and the kinds of correction.
inline constexpr std::array<std::pair<std::string_view, double driver::Parameters::*>, 8>
    parameterNames{{{"re", &driver::Parameters::re},
                    {"le", &driver::Parameters::le},
                    {"fs", &driver::Parameters::fs},
                    {"qms", &driver::Parameters::qms},
                    {"qes", &driver::Parameters::qes},
                    {"sensitivity", &driver::Parameters::sensitivity},
                    {"r2", &driver::Parameters::r2},
                    {"l2", &driver::Parameters::l2}}};

// In the order of driver::Correction.
inline constexpr std::array<std::string_view, 4> correctionKinds{"zobel", "l-pad", "notch",
                                                                 "baffle-step"};
static_assert(correctionKinds.size() == std::variant_size_v<driver::Correction>);

}  // namespace project
