#pragma once

#include <array>
#include <vector>

namespace response {

// A real polynomial of degree at most 4: a ladder of four reactive parts, and
// the squared magnitude of such a ladder's H, never go higher.
struct Polynomial {
    std::array<double, 5> coefficients{};  // of x^0, x^1, ...

    Polynomial() = default;
    explicit Polynomial(double constant) : coefficients{constant} {}
    explicit Polynomial(const std::array<double, 5>& coefficients) : coefficients(coefficients) {}
};

Polynomial operator+(const Polynomial&, const Polynomial&);
Polynomial operator*(const Polynomial&, const Polynomial&);
Polynomial operator*(const Polynomial&, double);

double valueAt(const Polynomial&, double x);

// Where the polynomial changes sign on x > 0, ascending, and whether it rises
// there. A root it only touches is no crossing.
struct Crossing {
    double x;
    bool rising;
};
std::vector<Crossing> positiveCrossings(const Polynomial&);

}  // namespace response
