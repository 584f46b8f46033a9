#include "response/sweep.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cmath>
#include <numbers>

#include "response/edges.h"

namespace response {

namespace {

Point pointOf(double frequency, std::complex<double> h) {
    double phase = std::arg(h) * (180 / std::numbers::pi);
    // arg gives -pi for a negative real H with a negative zero imaginary part.
    if (phase <= -180) phase += 360;
    return {frequency, 20 * std::log10(std::abs(h)), phase};
}

// The grid with the frequencies inside its range, ascending, each once.
std::vector<double> merged(std::span<const double> grid, std::span<const double> extra) {
    std::vector<double> all(grid.begin(), grid.end());
    if (grid.empty()) return all;
    for (double frequency : extra)
        if (frequency > grid.front() && frequency < grid.back()) all.push_back(frequency);
    std::ranges::sort(all);
    all.erase(std::ranges::unique(all).begin(), all.end());
    return all;
}

// Whether every driver of the branches is measured at the frequency.
bool measuredAt(std::span<const Branch> branches, double frequency) {
    return std::ranges::all_of(branches, [frequency](const Branch& branch) {
        return !branch.network->driver || driver::covers(*branch.network->driver, frequency);
    });
}

// Where a magnitude (f -> |H|) is highest (sign 1) or lowest (sign -1) between
// the two frequencies, taken to turn once there; on a log scale, to a part in 1e9.
template <class Magnitude>
double goldenSection(Magnitude magnitude, double below, double above, double sign) {
    const auto level = [&](double logFrequency) {
        return sign * magnitude(std::exp(logFrequency));
    };
    const double ratio = (std::sqrt(5.0) - 1) / 2;
    double a = std::log(below), b = std::log(above);
    double c = b - ratio * (b - a), d = a + ratio * (b - a);
    double atC = level(c), atD = level(d);
    while (b - a > 1e-9) {
        if (atC > atD) {
            b = d, d = c, atD = atC;
            c = b - ratio * (b - a), atC = level(c);
        } else {
            a = c, c = d, atC = atD;
            d = a + ratio * (b - a), atD = level(d);
        }
    }
    return std::exp((a + b) / 2);
}

// Whether the level turns at point i: 1 for a peak, -1 for a dip, 0 for neither.
// A sum flat to rounding noise (two first orders) turns nowhere.
int turnAt(std::span<const Point> points, std::size_t i) {
    const double before = points[i - 1].level, level = points[i].level;
    const double after = points[i + 1].level;
    if (level >= before && level >= after && level - std::min(before, after) > 1e-9) return 1;
    if (level <= before && level <= after && std::max(before, after) - level > 1e-9) return -1;
    return 0;
}

}  // namespace

std::vector<double> logSweep(double from, double to, int count) {
    if (count < 1) return {};
    std::vector<double> frequencies(count);
    const double ratio = to / from;
    for (int i = 1; i < count - 1; ++i) {
        frequencies[i] = from * std::pow(ratio, static_cast<double>(i) / (count - 1));
    }
    // Both ends exactly as asked; a single point is the first.
    frequencies.back() = to;
    frequencies.front() = from;
    return frequencies;
}

void evaluate(const Network& network, std::span<const double> frequencies, std::span<Point> out) {
    evaluateSum(std::array<Branch, 1>{{{&network, false}}}, frequencies, out);
}

void evaluateSum(std::span<const Branch> branches, std::span<const double> frequencies,
                 std::span<Point> out) {
    assert(out.size() == frequencies.size());
    for (std::size_t i = 0; i < frequencies.size(); ++i) {
        out[i] = pointOf(frequencies[i], sumTransfer(branches, frequencies[i]));
        out[i].measured = measuredAt(branches, frequencies[i]);
    }
}

std::vector<Point> drawnImpedance(std::span<const Branch> sections, std::span<const double> grid) {
    const auto pointAt = [sections](double f) {
        const std::complex<double> z = inputImpedance(sections, f);
        Point point = pointOf(f, z);
        point.level = std::abs(z);
        point.measured = measuredAt(sections, f);
        return point;
    };
    std::vector<Point> points;
    for (double f : grid) points.push_back(pointAt(f));
    for (std::size_t i = 1; i + 1 < grid.size(); ++i)
        if (turnAt(std::span(points).first(grid.size()), i) < 0)
            points.push_back(pointAt(goldenSection(
                [sections](double f) { return std::abs(inputImpedance(sections, f)); }, grid[i - 1],
                grid[i + 1], -1)));
    std::ranges::sort(points, {}, &Point::frequency);
    return points;
}

std::vector<double> drawnFrequencies(const Network& network, std::span<const double> grid) {
    std::vector<double> extra = turningFrequencies(network);
    const Edges edges = halfPowerEdges(network);
    for (const auto& edge : {edges.lower, edges.upper})
        if (edge) extra.push_back(*edge);
    return merged(grid, extra);
}

std::vector<Point> drawnSum(std::span<const Branch> branches, std::span<const double> grid) {
    std::vector<double> turns;
    for (const Branch& branch : branches) {
        const std::vector<double> own = turningFrequencies(*branch.network);
        turns.insert(turns.end(), own.begin(), own.end());
    }
    const std::vector<double> frequencies = merged(grid, turns);
    std::vector<Point> points(frequencies.size());
    evaluateSum(branches, frequencies, points);
    std::vector<double> refined;
    for (std::size_t i = 1; i + 1 < points.size(); ++i)
        if (const int turn = turnAt(points, i))
            refined.push_back(
                goldenSection([branches](double f) { return std::abs(sumTransfer(branches, f)); },
                              points[i - 1].frequency, points[i + 1].frequency, turn));
    std::vector<Point> extra(refined.size());
    evaluateSum(branches, refined, extra);
    points.insert(points.end(), extra.begin(), extra.end());
    std::ranges::sort(points, {}, &Point::frequency);
    return points;
}

std::vector<Dissipation> worstResistorPowers(const Network& network, double volts) {
    const int steps = int(std::ceil(24 * std::log2(highestHeard / lowestHeard)));
    const std::vector<double> grid = logSweep(lowestHeard, highestHeard, steps + 1);
    std::vector<std::vector<double>> sampled;
    for (double f : grid) sampled.push_back(resistorPowers(network, volts, f));
    std::vector<Dissipation> worst;
    for (std::size_t k = 0; k < (sampled.empty() ? 0 : sampled.front().size()); ++k) {
        std::size_t top = 0;
        for (std::size_t i = 1; i < grid.size(); ++i)
            if (sampled[i][k] > sampled[top][k]) top = i;
        std::size_t least = 0;
        for (std::size_t i = 1; i < grid.size(); ++i)
            if (sampled[i][k] < sampled[least][k]) least = i;
        // A resistor fed through resistors alone takes the same at every frequency.
        const bool flat = sampled[least][k] >= (1 - 1e-9) * sampled[top][k];
        Dissipation most{sampled[top][k], grid[top], flat};
        if (top > 0 && top + 1 < grid.size()) {
            const double f =
                goldenSection([&](double at) { return resistorPowers(network, volts, at)[k]; },
                              grid[top - 1], grid[top + 1], 1);
            if (const double watts = resistorPowers(network, volts, f)[k]; watts > most.watts)
                most = {watts, f, flat};
        }
        worst.push_back(most);
    }
    return worst;
}

std::optional<Band> passBand(std::span<const Edges> curves) {
    if (curves.empty()) return std::nullopt;
    Band band{highestHeard, lowestHeard};
    for (const Edges& edges : curves) {
        band.lower = std::min(band.lower, edges.lower.value_or(lowestHeard));
        band.upper = std::max(band.upper, edges.upper.value_or(highestHeard));
    }
    band = {std::max(band.lower, lowestHeard), std::min(band.upper, highestHeard)};
    if (!(band.lower < band.upper)) return std::nullopt;
    return band;
}

Turns turnsWithin(std::span<const Point> curve, Band band) {
    Turns turns;
    for (std::size_t i = 1; i + 1 < curve.size(); ++i) {
        const Point& point = curve[i];
        if (point.frequency < band.lower || point.frequency > band.upper) continue;
        const int turn = turnAt(curve, i);
        std::optional<Point>& extreme = turn > 0 ? turns.peak : turns.dip;
        if (turn != 0 && (!extreme || turn * (point.level - extreme->level) > 0)) extreme = point;
    }
    return turns;
}

}  // namespace response
