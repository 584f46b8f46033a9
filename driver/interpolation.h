#pragma once

#include <algorithm>
#include <cstddef>
#include <span>

namespace driver {

// Where x falls among rising xs (at least two): the cell [xs[i], xs[i + 1]] and how far along it,
// held at the ends (and at the first for NaN).
struct Cell {
    std::size_t index;
    double fraction;
};

inline Cell cellOf(std::span<const double> xs, double x) {
    if (!(x > xs.front())) return {0, 0};
    if (x >= xs.back()) return {xs.size() - 2, 1};
    const std::size_t i = std::upper_bound(xs.begin(), xs.end(), x) - xs.begin() - 1;
    return {i, (x - xs[i]) / (xs[i + 1] - xs[i])};
}

// Exact at both ends of the cell, so that a value held beyond the data is the end sample's.
inline double valueAt(std::span<const double> ys, Cell cell) {
    return (1 - cell.fraction) * ys[cell.index] + cell.fraction * ys[cell.index + 1];
}

}  // namespace driver
