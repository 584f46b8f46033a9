#include "driver/measurement.h"

#include <cmath>
#include <numbers>

#include "driver/interpolation.h"
#include "driver/minimum_phase.h"

namespace driver {

Measurement::Measurement(FileKind kind, std::vector<Sample> samples, bool phaseDerived)
    : m_kind(kind), m_samples(std::move(samples)), m_phaseDerived(phaseDerived) {
    constexpr double degree = std::numbers::pi / 180;  // in radians
    for (const Sample& s : m_samples) {
        m_logFrequency.push_back(std::log(s.frequency));
        m_logMagnitude.push_back(kind == FileKind::Frd ? s.magnitude * (std::numbers::ln10 / 20)
                                                       : std::log(s.magnitude));
        if (!phaseDerived) m_phase.push_back(s.phase * degree);
    }
    if (!phaseDerived) return;
    m_phase = minimumPhase(m_logFrequency, m_logMagnitude);
    for (std::size_t i = 0; i < m_samples.size(); ++i) m_samples[i].phase = m_phase[i] / degree;
}

bool Measurement::covers(double frequency) const {
    return frequency >= m_samples.front().frequency && frequency <= m_samples.back().frequency;
}

std::complex<double> Measurement::at(double frequency) const {
    const Cell cell = cellOf(m_logFrequency, std::log(frequency));
    return std::polar(std::exp(valueAt(m_logMagnitude, cell)), valueAt(m_phase, cell));
}

}  // namespace driver
