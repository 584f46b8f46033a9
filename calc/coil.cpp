#include "calc/calc.h"
#include "calc/steps.h"

// Wheeler's multilayer coil in millimetres and millihenry, with the factor
// 7.86 (a double) and the weights 3, 9 and 10 (short constants).

namespace calc {

Outcome<CoilInductance> coilInductance(float N, float d0, float l, float h) {
    Steps s;
    const auto n = s.input(N), d = s.input(d0), len = s.input(l), depth = s.input(h);
    const auto a = s.product(d, d);
    const auto b = s.times(7.86, a);
    const auto c = s.product(n, n);
    const auto numerator = s.product(b, Steps::widened(c));
    const auto t = s.times(3, d);
    const auto u = s.times(9, len);
    const auto sum = s.sum(t, u);
    const auto v = s.times(10, depth);
    const auto denominator = s.sum(sum, v);
    const auto q = s.narrow(s.quotient(numerator, Steps::widened(denominator)));
    const auto L = s.narrow(s.times(0.000001, q));
    return s.give(CoilInductance{L.value});
}

}  // namespace calc
