// libFuzzer target: any bytes either load whole, as rising frequencies whose values are finite at
// any frequency, or fail at a line of the file with a message that names it.

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "driver/measurement.h"

namespace {

void require(bool holds) {
    if (!holds) std::abort();
}

bool finite(std::complex<double> z) { return std::isfinite(z.real()) && std::isfinite(z.imag()); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const auto kind = data[0] % 2 ? driver::FileKind::Zma : driver::FileKind::Frd;
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    const auto measurement = driver::readMeasurement(kind, bytes);
    if (!measurement) {
        std::size_t lines = 1;
        for (std::size_t i = 0; i < bytes.size(); ++i)
            lines += bytes[i] == '\n' || (bytes[i] == '\r' && bytes.substr(i, 2) != "\r\n");
        const driver::ReadError& error = measurement.error();
        require(error.line >= 1 && error.line <= lines);
        require(error.message.starts_with("na liniji " + std::to_string(error.line) + " "));
        return 0;
    }
    const auto samples = measurement->samples();
    require(samples.size() >= 2);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const driver::Sample& s = samples[i];
        require(s.frequency > 0 && std::isfinite(s.frequency) && std::isfinite(s.magnitude) && std::isfinite(s.phase));
        require(i == 0 || (s.frequency > samples[i - 1].frequency &&
                           (measurement->phaseDerived() || std::fabs(s.phase - samples[i - 1].phase) <= 180)));
        const double next = samples[std::min(i + 1, samples.size() - 1)].frequency;
        for (double f : {s.frequency, std::sqrt(s.frequency) * std::sqrt(next), s.frequency / 3, s.frequency * 3})
            require(finite(measurement->at(f)));
    }
    require(finite(measurement->at(1e-300)) && finite(measurement->at(1e300)));
    return 0;
}
