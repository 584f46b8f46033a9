#pragma once

#include <cfloat>
#include <cmath>
#include <optional>

#include "calc/calc.h"

// Every step is rounded to its own kind before the next one uses it; a wider
// evaluation of intermediate results would round a formula differently.
static_assert(FLT_EVAL_METHOD == 0);

namespace calc {

// The steps of one operation. The first failing step decides the failure; it
// yields zero so that later steps never see an infinity, a NaN or a zero
// divisor of their own making.
class Steps {
public:
    // Any result beyond the single range overflows, whatever the step's kind.
    template <class T>
    T step(T value) {
        if (std::fabs(value) <= FLT_MAX) return value;
        fail(Failure::Overflow);
        return 0;
    }

    template <class T>
    T quotient(T numerator, T divisor) {
        if (divisor != 0) return step(numerator / divisor);
        fail(Failure::DivisionByZero);
        return 0;
    }

    float narrow(double value) { return static_cast<float>(step(value)); }

    double root(double value) {
        if (!(value < 0)) return std::sqrt(value);
        fail(Failure::NegativeRoot);
        return 0;
    }

    template <class T>
    Result<T> give(T values) const {
        if (failure_) return std::unexpected(*failure_);
        return values;
    }

private:
    void fail(Failure failure) {
        if (!failure_) failure_ = failure;
    }

    std::optional<Failure> failure_;
};

}  // namespace calc
