#include "driver/parameters.h"

#include <cmath>
#include <numbers>
#include <utility>

namespace driver {

namespace {

using Complex = std::complex<double>;

std::optional<Fault> fault(double value, bool zeroAllowed) {
    if (!std::isfinite(value)) return Fault::NotFinite;
    if (value < 0) return Fault::Negative;
    if (value == 0 && !zeroAllowed) return Fault::Zero;
    return std::nullopt;
}

}  // namespace

std::optional<Unusable> unusable(const Parameters& p) {
    using enum Field;
    // In the order of the fields, so that the first to fix is named; only Le may be left at 0.
    const std::pair<Field, double> physical[] = {
        {Re, p.re}, {Le, p.le}, {Fs, p.fs}, {Qms, p.qms}, {Qes, p.qes}};
    for (const auto& [field, value] : physical) {
        if (const auto why = fault(value, field == Le)) return Unusable{field, *why};
    }
    if (!std::isfinite(p.sensitivity)) return Unusable{Sensitivity, Fault::NotFinite};
    // R2 without L2, or L2 without R2, is a branch the user meant but did not finish.
    const bool branch = p.r2 != 0 || p.l2 != 0;
    if (const auto why = fault(p.r2, !branch)) return Unusable{R2, *why};
    if (const auto why = fault(p.l2, !branch)) return Unusable{L2, *why};
    return std::nullopt;
}

Complex impedance(const Parameters& p, double frequency) {
    const double w = 2 * std::numbers::pi * frequency, x = frequency / p.fs;
    Complex z{p.re, w * p.le * 1e-3};
    if (p.r2 > 0 && p.l2 > 0) {
        const Complex l2{0, w * p.l2 * 1e-3};
        z += p.r2 * l2 / (p.r2 + l2);
    }
    return z + p.re * p.qms / p.qes / Complex{1, p.qms * (x - 1 / x)};
}

Complex acoustic(const Parameters& p, double frequency) {
    const double x = frequency / p.fs, qts = p.qms * p.qes / (p.qms + p.qes);
    // s^2 / (s^2 + s/Qts + 1) with s = jf/fs.
    return std::pow(10.0, p.sensitivity / 20) * -x * x / Complex{1 - x * x, x / qts};
}

}  // namespace driver
