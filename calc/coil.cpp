#include "calc/calc.h"
#include "calc/steps.h"

// Wheeler's multilayer coil in millimetres and millihenry, with the factor
// 7.86 (a double) and the weights 3, 9 and 10 (short constants).

namespace calc {

Result<CoilInductance> coilInductance(float N, float d0, float l, float h) {
    Steps s;
    const float a = s.step(d0 * d0);
    const double b = s.step(7.86 * double{a});
    const float c = s.step(N * N);
    const double numerator = s.step(b * double{c});
    const float t = s.step(3.0f * d0);
    const float u = s.step(9.0f * l);
    const float sum = s.step(t + u);
    const float v = s.step(10.0f * h);
    const float denominator = s.step(sum + v);
    const float q = s.narrow(s.quotient(numerator, double{denominator}));
    const float L = s.narrow(double{q} * 0.000001);
    return s.give(CoilInductance{L});
}

}  // namespace calc
