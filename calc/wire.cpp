#include "calc/calc.h"
#include "calc/steps.h"

namespace calc {

// The cross-section is held as a single before the diameter is computed from
// it, and the circle constant is 3.14, not pi.
Result<WireSize> wireSize(double I, double J) {
    Steps s;
    const float S = s.narrow(s.quotient(I, J));
    const float fourS = s.step(S * 4.0f);
    const double x = s.step(double{fourS} / 3.14);
    const double d = s.root(x);
    return s.give(WireSize{S, d});
}

}  // namespace calc
