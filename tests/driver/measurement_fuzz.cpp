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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    const auto m = driver::readMeasurement(data[0] % 2 ? driver::FileKind::Zma : driver::FileKind::Frd, bytes);
    if (!m) {
        std::size_t lines = 1;  // a CR LF ends one line
        for (std::size_t i = 0; i < bytes.size(); ++i)
            lines += bytes[i] == '\n' || (bytes[i] == '\r' && bytes.substr(i, 2) != "\r\n");
        require(m.error().line >= 1 && m.error().line <= lines);
        require(m.error().message.starts_with("na liniji " + std::to_string(m.error().line) + " "));
        return 0;
    }
    const auto s = m->samples();
    auto finite = [&](double f) { return std::isfinite(m->at(f).real()) && std::isfinite(m->at(f).imag()); };
    require(s.size() >= 2 && finite(1e-300) && finite(1e300));
    for (std::size_t i = 0; i < s.size(); ++i) {
        require(std::isfinite(s[i].frequency) && std::isfinite(s[i].magnitude) && std::isfinite(s[i].phase));
        require(i == 0 || (s[i].frequency > s[i - 1].frequency &&
                           (m->phaseDerived() || std::fabs(s[i].phase - s[i - 1].phase) <= 180)));
        const double f = s[i].frequency, next = s[std::min(i + 1, s.size() - 1)].frequency;
        require(finite(f) && finite(std::sqrt(f) * std::sqrt(next)) && finite(f / 3) && finite(f * 3));
    }
    return 0;
}
