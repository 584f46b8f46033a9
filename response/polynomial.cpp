#include "response/polynomial.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace response {

namespace {

constexpr int size = Polynomial::size;

int degreeOf(const Polynomial& p) {
    int degree = size - 1;
    while (degree >= 0 && p.coefficients[degree] == 0) --degree;
    return degree;
}

// Every root lies below it (Cauchy's bound).
double rootBound(const Polynomial& p, int degree) {
    double largest = 0;
    for (int k = 0; k < degree; ++k) {
        largest = std::max(largest, std::abs(p.coefficients[k] / p.coefficients[degree]));
    }
    return 1 + largest;
}

// To the last bit; p changes sign once between below and above.
double bisect(const Polynomial& p, double below, double above, bool rising) {
    for (;;) {
        const double middle = below + (above - below) / 2;
        if (middle == below || middle == above) return middle;
        if ((valueAt(p, middle) < 0) == rising) {
            below = middle;
        } else {
            above = middle;
        }
    }
}

}  // namespace

Polynomial operator+(const Polynomial& a, const Polynomial& b) {
    Polynomial sum;
    for (int k = 0; k < size; ++k) sum.coefficients[k] = a.coefficients[k] + b.coefficients[k];
    return sum;
}

Polynomial operator*(const Polynomial& a, const Polynomial& b) {
    Polynomial product;
    for (int i = 0; i < size; ++i) {
        for (int j = 0; i + j < size; ++j) {
            product.coefficients[i + j] += a.coefficients[i] * b.coefficients[j];
        }
    }
    return product;
}

Polynomial operator*(const Polynomial& a, double factor) {
    Polynomial product;
    for (int k = 0; k < size; ++k) product.coefficients[k] = a.coefficients[k] * factor;
    return product;
}

Polynomial derivative(const Polynomial& p) {
    Polynomial d;
    for (int k = 1; k < size; ++k) d.coefficients[k - 1] = k * p.coefficients[k];
    return d;
}

double valueAt(const Polynomial& p, double x) {
    double value = 0;
    for (int k = size - 1; k >= 0; --k) value = value * x + p.coefficients[k];
    return value;
}

std::vector<Crossing> positiveCrossings(const Polynomial& p) {
    const int degree = degreeOf(p);
    if (degree < 1) return {};
    // Between neighbouring turning points p is monotonic: one crossing at most.
    std::vector<double> stops{0};
    for (const Crossing& turn : positiveCrossings(derivative(p))) stops.push_back(turn.x);
    stops.push_back(rootBound(p, degree));
    std::vector<Crossing> crossings;
    for (std::size_t i = 0; i + 1 < stops.size(); ++i) {
        const double below = valueAt(p, stops[i]);
        const double above = valueAt(p, stops[i + 1]);
        if ((below < 0 && above > 0) || (below > 0 && above < 0)) {
            const bool rising = below < 0;
            crossings.push_back({bisect(p, stops[i], stops[i + 1], rising), rising});
        }
    }
    return crossings;
}

}  // namespace response
