#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <variant>
#include <vector>

#include "calc/calc.h"
#include "driver/correction.h"
#include "response/standard.h"

namespace formkit {

// What a correction's resistors take, as "Korekcija" showed them: straight on an amplifier of that
// power.
struct CorrectionPowers {
    double amplifierWatts = 0;
    std::vector<double> resistorWatts;  // in the order of driver::components' resistors
};

// The corrections a builder computed in the "Korekcija" window, the last of each kind, kept while
// the program runs: what the response window switches into its curves.
class Corrections : public QObject {
    Q_OBJECT

public:
    // In the order of driver::Correction.
    static constexpr std::size_t kinds = std::variant_size_v<driver::Correction>;

    // Replaces the one of its kind.
    void set(const driver::Correction& correction, CorrectionPowers powers = {});
    // Forgets them all, as a new project starts.
    void clear();
    const std::optional<driver::Correction>& of(std::size_t kind) const { return m_made[kind]; }
    const CorrectionPowers& powersOf(std::size_t kind) const { return m_powers[kind]; }

    // Calls `changed` with the kind after each change, for as long as `receiver` lives (a window
    // loaded as a module subscribes here, as with ShownResults::subscribe).
    void subscribe(QObject* receiver, std::function<void(std::size_t kind)> changed) const;

signals:
    void changed(std::size_t kind);

private:
    std::array<std::optional<driver::Correction>, kinds> m_made;
    std::array<CorrectionPowers, kinds> m_powers;
};

// Each kind as the windows name it, in the order of driver::Correction.
inline constexpr const char* correctionNames[] = {"Zobel", "L-atenuator", "filter rezonancije",
                                                  "stepenik ploce"};
static_assert(std::size(correctionNames) == Corrections::kinds);

// A part's value with its unit, "6,2 oma", "15,3 uF", "0,38 mH".
QString componentText(double value, driver::Element element, const calc::Region& region);

// The standard value a builder buys for a part: resistors of the E24, capacitors of the series
// given; nothing for a coil, which is wound to measure.
std::optional<double> standardValue(const driver::Component& part, response::Series capacitors);

}  // namespace formkit
