#pragma once

#include <array>
#include <vector>

namespace response {

// A real polynomial of degree at most 7: a ladder of four reactive parts is of
// degree 4 in s, the squares of its magnitudes of degree 4 in x = w^2, and the
// numerator N'D - ND' of the derivative of their quotient of degree 7. Products
// drop the terms beyond.
struct Polynomial {
    static constexpr int size = 8;
    std::array<double, size> coefficients{};  // of x^0, x^1, ...

    Polynomial() = default;
    explicit Polynomial(double constant) : coefficients{constant} {}
    explicit Polynomial(const std::array<double, size>& coefficients)
        : coefficients(coefficients) {}
};

Polynomial operator+(const Polynomial&, const Polynomial&);
Polynomial operator*(const Polynomial&, const Polynomial&);
Polynomial operator*(const Polynomial&, double);
Polynomial derivative(const Polynomial&);

double valueAt(const Polynomial&, double x);

// Where the polynomial changes sign on x > 0, ascending, and whether it rises
// there. A root it only touches is no crossing.
struct Crossing {
    double x;
    bool rising;
};
std::vector<Crossing> positiveCrossings(const Polynomial&);

}  // namespace response
