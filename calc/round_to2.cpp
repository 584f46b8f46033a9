#include <cmath>

#include "calc/calc.h"

namespace calc {

namespace {

// The whole number nearest to s, an exact half going to the even neighbour,
// whatever the floating-point rounding mode.
double nearestWhole(double s) {
    const double below = std::floor(s);
    const double fraction = s - below;  // exact
    double k = below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0)) k = below + 1;
    return std::copysign(k, s);
}

double hundredths(double value) {
    const double s = value * 100;
    if (!std::isfinite(s)) return value;
    return nearestWhole(s) / 100;
}

}  // namespace

float roundTo2(float value) { return static_cast<float>(hundredths(value)); }

double roundTo2(double value) { return hundredths(value); }

}  // namespace calc
