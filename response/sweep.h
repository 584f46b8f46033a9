#pragma once

#include <complex>
#include <span>
#include <vector>

#include "response/network.h"

namespace response {

// H(f) into the load at f >= 0 Hz, never NaN for a network that is not
// unusable. A load of 0 takes nothing: H = 0.
std::complex<double> transfer(const Network&, double frequency);

struct Point {
    double frequency;  // Hz
    double level;      // dB
    double phase;      // degrees
};

// `count` frequencies evenly spaced on a log scale, from..to inclusive.
std::vector<double> logSweep(double from, double to, int count);

// H at each frequency as level 20*log10|H| (-infinity where H = 0, never NaN)
// and phase arg H in degrees (-180, 180]. out is as long as frequencies.
void evaluate(const Network&, std::span<const double> frequencies, std::span<Point> out);

// The sum of several drivers, each possibly wired in reverse: sum of (+/-)H_i.
struct Branch {
    const Network* network;
    bool reversed;
};
std::complex<double> sumTransfer(std::span<const Branch>, double frequency);
void evaluateSum(std::span<const Branch>, std::span<const double> frequencies,
                 std::span<Point> out);

}  // namespace response
