#include "formkit/corrections.h"

#include <utility>

namespace formkit {

void Corrections::set(const driver::Correction& correction, CorrectionPowers powers) {
    m_made[correction.index()] = correction;
    m_powers[correction.index()] = std::move(powers);
    emit changed(correction.index());
}

void Corrections::clear() {
    for (std::size_t kind = 0; kind < kinds; ++kind) {
        if (!m_made[kind]) continue;
        m_made[kind].reset();
        m_powers[kind] = {};
        emit changed(kind);
    }
}

void Corrections::subscribe(QObject* receiver,
                            std::function<void(std::size_t kind)> changed) const {
    connect(this, &Corrections::changed, receiver, std::move(changed));
}

QString componentText(double value, driver::Element element, const calc::Region& region) {
    static constexpr const char* units[] = {" oma", " mH", " uF"};
    return QString::fromStdString(calc::numberText(value, region)) +
           QString::fromLatin1(units[std::size_t(element)]);
}

std::optional<double> standardValue(const driver::Component& part, response::Series capacitors) {
    switch (part.element) {
        case driver::Element::Resistor:
            return response::nearestStandard(part.value, response::Series::E24);
        case driver::Element::Capacitor:
            return response::nearestStandard(part.value, capacitors);
        case driver::Element::Coil:
            break;
    }
    return std::nullopt;
}

}  // namespace formkit
