#pragma once

#include <array>

#include "driver/parameters.h"

namespace driver {

// The project's own sample drivers, whose FRD and ZMA files ship under share/tav20/primeri. Their
// parameters are typical of their class, not those of any product: an 8 ohm woofer of 16 cm with
// the slowly rising impedance of a lossy voice coil, an 8 ohm midrange of 10 cm, and a 6 ohm
// 25 mm dome tweeter.
struct Example {
    const char* name;  // the files' name without its extension
    Parameters parameters;
};

inline constexpr std::array<Example, 3> examples{{
    {"bas-16cm",
     {.re = 6.0,
      .le = 0.55,
      .fs = 42,
      .qms = 3.2,
      .qes = 0.42,
      .sensitivity = 87.5,
      .r2 = 8.0,
      .l2 = 0.9}},
    {"srednji-10cm",
     {.re = 5.9, .le = 0.25, .fs = 85, .qms = 3.5, .qes = 0.55, .sensitivity = 88.5}},
    {"visoki-25mm",
     {.re = 4.8, .le = 0.04, .fs = 750, .qms = 1.8, .qes = 1.4, .sensitivity = 90.0}},
}};

}  // namespace driver
