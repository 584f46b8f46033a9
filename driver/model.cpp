#include "driver/model.h"

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

}  // namespace driver
