#pragma once

#include <array>
#include <cfloat>
#include <cmath>
#include <optional>

#include "calc/calc.h"

// Every step is rounded to its own kind before the next one uses it; a wider
// evaluation of intermediate results would round a formula differently.
static_assert(FLT_EVAL_METHOD == 0);

namespace calc {

// A step's value and what it is made of: as an expression in the inputs
// where it is a sum of whole multiples of products (count -1 where it is
// not), every input it depends on, and the input that weighs most in its
// magnitude, which is the one to blame when it overflows.
template <class T>
struct Tracked {
    T value;
    Expression made;
    unsigned inputs;
    int driver;
};

// The steps of one operation. The first failing step decides the fault; it
// yields zero so that later steps never see an infinity, a NaN or a zero
// divisor of their own making.
class Steps {
public:
    template <class T>
    Tracked<T> input(T value) {
        const int position = m_count++;
        m_inputs[position] = double{value};
        const unsigned bit = 1u << position;
        return {value, {{Term{1, bit}}, 1}, bit, position};
    }

    // A short whole constant keeps a single a single.
    Tracked<float> times(int constant, const Tracked<float>& x) {
        Expression made = x.made;
        for (int i = 0; i < made.count; ++i) made.terms[i].coefficient *= constant;
        return checked(float(constant) * x.value, made, x.inputs, x.driver);
    }

    // A constant with a fraction makes a double.
    Tracked<double> times(double constant, const Tracked<float>& x) {
        return checked(constant * double{x.value}, none, x.inputs, x.driver);
    }

    template <class T>
    Tracked<T> product(const Tracked<T>& a, const Tracked<T>& b) {
        Expression made = none;
        if (a.made.count == 1 && b.made.count == 1 &&
            !(a.made.terms[0].inputs & b.made.terms[0].inputs))
            made = {{Term{a.made.terms[0].coefficient * b.made.terms[0].coefficient,
                          a.made.terms[0].inputs | b.made.terms[0].inputs}},
                    1};
        const bool aWeighsMore =
            std::fabs(std::log2(std::fabs(a.value))) >= std::fabs(std::log2(std::fabs(b.value)));
        return checked(a.value * b.value, made, a.inputs | b.inputs,
                       aWeighsMore ? a.driver : b.driver);
    }

    template <class T>
    Tracked<T> sum(const Tracked<T>& a, const Tracked<T>& b) {
        Expression made = none;
        if (a.made.count > 0 && b.made.count > 0 && a.made.count + b.made.count <= 3) {
            made = a.made;
            for (int i = 0; i < b.made.count; ++i) made.terms[made.count++] = b.made.terms[i];
        }
        const bool aWeighsMore = std::fabs(a.value) >= std::fabs(b.value);
        return checked(a.value + b.value, made, a.inputs | b.inputs,
                       aWeighsMore ? a.driver : b.driver);
    }

    template <class T>
    Tracked<T> quotient(const Tracked<T>& numerator, const Tracked<T>& divisor) {
        if (divisor.value == 0) {
            failZeroDivisor(divisor);
            return {0, none, numerator.inputs | divisor.inputs, divisor.driver};
        }
        // The numerator drives an overflow by being large, the divisor by being small.
        const bool numeratorWeighsMore =
            std::log2(std::fabs(numerator.value)) >= -std::log2(std::fabs(divisor.value));
        return checked(numerator.value / divisor.value, none, numerator.inputs | divisor.inputs,
                       numeratorWeighsMore ? numerator.driver : divisor.driver);
    }

    // A long constant over a single makes a double.
    Tracked<double> quotient(double constant, const Tracked<float>& divisor) {
        return quotient(Tracked<double>{constant, none, 0, divisor.driver}, widened(divisor));
    }

    Tracked<double> quotient(const Tracked<double>& numerator, double constant) {
        return checked(numerator.value / constant, none, numerator.inputs, numerator.driver);
    }

    static Tracked<double> widened(const Tracked<float>& x) {
        return {double{x.value}, x.made, x.inputs, x.driver};
    }

    Tracked<float> narrow(const Tracked<double>& x) {
        const Tracked<double> held = checked(x.value, x.made, x.inputs, x.driver);
        return {static_cast<float>(held.value), held.made, held.inputs, held.driver};
    }

    Tracked<double> root(const Tracked<double>& x) {
        if (!(x.value < 0)) return {std::sqrt(x.value), none, x.inputs, x.driver};
        fail({FaultKind::NegativeRoot, firstNegative(x.inputs)});
        return {0, none, x.inputs, x.driver};
    }

    template <class T>
    Outcome<T> give(T values) const {
        if (m_fault) return std::unexpected(*m_fault);
        return values;
    }

private:
    static constexpr Expression none{{}, -1};

    // Any result beyond the single range overflows, whatever the step's kind.
    template <class T>
    Tracked<T> checked(T value, const Expression& made, unsigned inputs, int driver) {
        if (std::fabs(value) <= FLT_MAX) return {value, made, inputs, driver};
        fail({FaultKind::Overflow, driver});
        return {0, made, inputs, driver};
    }

    // A zero input makes a product zero; a product of non-zero inputs is zero
    // only because it fell below the single range.
    template <class T>
    void failZeroDivisor(const Tracked<T>& divisor) {
        Fault fault{FaultKind::DivisionByZero, lowest(divisor.inputs), divisor.made};
        if (divisor.made.count == 1) {
            const unsigned factors = divisor.made.terms[0].inputs;
            const std::optional<int> zero = first(factors, [](double v) { return v == 0; });
            fault.input = zero.value_or(lowest(factors));
            fault.underflow = !zero;
        }
        fail(fault);
    }

    int firstNegative(unsigned inputs) const {
        return first(inputs, [](double v) { return v < 0; }).value_or(lowest(inputs));
    }

    template <class Test>
    std::optional<int> first(unsigned inputs, Test test) const {
        for (int i = 0; i < m_count; ++i)
            if ((inputs & (1u << i)) && test(m_inputs[i])) return i;
        return std::nullopt;
    }

    static int lowest(unsigned inputs) {
        for (int i = 0; i < 32; ++i)
            if (inputs & (1u << i)) return i;
        return 0;
    }

    void fail(const Fault& fault) {
        if (!m_fault) m_fault = fault;
    }

    std::array<double, 4> m_inputs{};
    int m_count = 0;
    std::optional<Fault> m_fault;
};

}  // namespace calc
