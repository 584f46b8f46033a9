#include "calc/calc.h"
#include "calc/steps.h"

namespace calc {

// The cross-section is held as a single before the diameter is computed from
// it, and the circle constant is 3.14, not pi.
Outcome<WireSize> wireSize(double I, double J) {
    Steps s;
    const auto i = s.input(I), j = s.input(J);
    const auto S = s.narrow(s.quotient(i, j));
    const auto fourS = s.times(4, S);
    const auto x = s.quotient(Steps::widened(fourS), 3.14);
    const auto d = s.root(x);
    return s.give(WireSize{S.value, d.value});
}

}  // namespace calc
