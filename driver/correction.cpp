#include "driver/correction.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace driver {

namespace {

constexpr double pi = std::numbers::pi;

template <std::size_t N>
std::optional<BadField> notPositive(const std::array<double, N>& fields) {
    for (std::size_t i = 0; i < N; ++i)
        if (!(fields[i] > 0)) return BadField{i, Problem::NotPositive};
    return std::nullopt;
}

// Parts beyond the double range, or lost below it, come from a field many decades from 1.
template <std::size_t N, class Parts>
Made<Parts> inRange(const Parts& parts, const Correction& correction,
                    const std::array<double, N>& fields) {
    for (const Component& part : components(correction)) {
        if (std::isfinite(part.value) && part.value > 0) continue;
        const auto furthest = std::ranges::max_element(
            fields, {}, [](double field) { return std::fabs(std::log(field)); });
        return std::unexpected(
            BadField{std::size_t(furthest - fields.begin()), Problem::OutOfRange});
    }
    return parts;
}

}  // namespace

Made<Zobel> zobel(double re, double le, double ratio) {
    const std::array fields{re, le, ratio};
    if (const auto bad = notPositive(fields)) return std::unexpected(*bad);
    if (ratio < lowestRatio || ratio > highestRatio)
        return std::unexpected(BadField{2, Problem::RatioOutside});
    const Zobel parts{ratio * re, le * 1e3 / (re * re)};  // mH over ohm^2 in uF
    return inRange(parts, parts, fields);
}

Made<LPad> lPad(double decibels, double impedance) {
    const std::array fields{decibels, impedance};
    if (const auto bad = notPositive(fields)) return std::unexpected(*bad);
    const double a = std::pow(10.0, -decibels / 20);
    const LPad parts{impedance * (1 - a), impedance * a / (1 - a)};
    return inRange(parts, parts, fields);
}

Made<Notch> notch(double fs, double qms, double qes, double re) {
    const std::array fields{fs, qms, qes, re};
    if (const auto bad = notPositive(fields)) return std::unexpected(*bad);
    const double ws = 2 * pi * fs, rmes = re * qms / qes;
    const double lces = re / (ws * qes), cmes = qes / (ws * re);  // H, F
    const Notch parts{re + re * re / rmes, cmes * re * re * 1e3, lces / (re * re) * 1e6};
    return inRange(parts, parts, fields);
}

Made<BaffleDesign> baffleStep(double width, double decibels, double impedance) {
    const std::array fields{width, decibels, impedance};
    if (const auto bad = notPositive(fields)) return std::unexpected(*bad);
    const double frequency = 115 / width;
    const double r = impedance * (std::pow(10.0, decibels / 20) - 1);
    const BaffleStep parts{r,
                           r * std::sqrt(impedance / (impedance + r)) / (2 * pi * frequency) * 1e3};
    const auto checked = inRange(parts, parts, fields);
    if (!checked) return std::unexpected(checked.error());
    return BaffleDesign{frequency, parts};
}

std::vector<Component> components(const Correction& correction) {
    using enum Element;
    if (const auto* z = std::get_if<Zobel>(&correction))
        return {{"Rz", Resistor, z->resistance}, {"Cz", Capacitor, z->capacitance}};
    if (const auto* pad = std::get_if<LPad>(&correction))
        return {{"Rs", Resistor, pad->series}, {"Rp", Resistor, pad->parallel}};
    if (const auto* n = std::get_if<Notch>(&correction))
        return {{"Rn", Resistor, n->resistance},
                {"Ln", Coil, n->inductance},
                {"Cn", Capacitor, n->capacitance}};
    const auto& step = std::get<BaffleStep>(correction);
    return {{"Rb", Resistor, step.resistance}, {"Lb", Coil, step.inductance}};
}

Correction withValues(const Correction& correction, std::span<const double> v) {
    return std::visit(
        [v](const auto& parts) -> Correction {
            using Parts = std::decay_t<decltype(parts)>;
            if constexpr (std::is_same_v<Parts, Notch>)
                return Notch{v[0], v[1], v[2]};
            else
                return Parts{v[0], v[1]};
        },
        correction);
}

std::optional<VoiceCoil> fitVoiceCoil(const Measurement& zma) {
    const auto samples = zma.samples();
    const Sample* peak = nullptr;
    for (std::size_t i = 1; i < samples.size(); ++i)
        if (samples[i - 1].phase > 0 && samples[i].phase <= 0 &&
            (!peak || samples[i].magnitude > peak->magnitude))
            peak = &samples[i];
    if (!peak) return std::nullopt;
    VoiceCoil coil{0, 0, peak->frequency, 10 * peak->frequency,
                   std::min(20000.0, samples.back().frequency)};
    // Re: the least real part above resonance, which the motion raises below and a lossy
    // coil's eddy currents above. Le: Im(Z)/w = Le + b / w^2, by least squares in the band.
    double n = 0, sumX = 0, sumY = 0, sumXX = 0, sumXY = 0;
    coil.re = INFINITY;
    for (const Sample& s : samples) {
        if (s.frequency <= coil.resonance || s.frequency > coil.to) continue;
        const std::complex<double> z = std::polar(s.magnitude, s.phase * pi / 180);
        coil.re = std::min(coil.re, z.real());
        if (s.frequency < coil.from) continue;
        const double w = 2 * pi * s.frequency, x = 1 / (w * w), y = z.imag() / w;
        n += 1, sumX += x, sumY += y, sumXX += x * x, sumXY += x * y;
    }
    if (n < 3 || coil.to < 2 * coil.from) return std::nullopt;
    const double slope = (n * sumXY - sumX * sumY) / (n * sumXX - sumX * sumX);
    coil.le = (sumY - slope * sumX) / n * 1e3;
    return coil;
}

}  // namespace driver
