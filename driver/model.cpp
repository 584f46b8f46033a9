#include "driver/model.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace driver {

std::complex<double> impedance(const Driver& driver, double frequency) {
    if (const auto* parameters = std::get_if<Parameters>(&driver))
        return impedance(*parameters, frequency);
    const Measured& measured = std::get<Measured>(driver);
    return measured.impedance ? measured.impedance->at(frequency) : measured.nominal;
}

std::complex<double> acoustic(const Driver& driver, double frequency) {
    if (const auto* parameters = std::get_if<Parameters>(&driver))
        return acoustic(*parameters, frequency);
    const Measured& measured = std::get<Measured>(driver);
    return measured.response ? measured.response->at(frequency) : 1;
}

bool covers(const Driver& driver, double frequency) {
    const auto* measured = std::get_if<Measured>(&driver);
    if (!measured) return true;
    for (const std::optional<Measurement>* file : {&measured->response, &measured->impedance})
        if (*file && !(*file)->covers(frequency)) return false;
    return true;
}

std::optional<double> level(const Driver& driver) {
    if (const auto* parameters = std::get_if<Parameters>(&driver)) return parameters->sensitivity;
    const std::optional<Measurement>& response = std::get<Measured>(driver).response;
    if (!response) return std::nullopt;
    const auto samples = response->samples();
    const double from = samples.front().frequency,
                 octaves = std::log2(samples.back().frequency / from);
    std::vector<double> levels;
    for (double step = 0; step <= octaves * 12; ++step)
        levels.push_back(20 * std::log10(std::abs(response->at(from * std::exp2(step / 12)))));
    const auto middle = levels.begin() + levels.size() / 2;
    std::ranges::nth_element(levels, middle);
    return *middle;
}

}  // namespace driver
