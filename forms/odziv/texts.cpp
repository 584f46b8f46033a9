#include "forms/odziv/texts.h"

#include <cmath>
#include <cstdlib>

#include "response/network.h"

namespace odziv {

namespace {

QString written(double value, const calc::Region& region) {
    return QString::fromStdString(calc::numberText(value, region));
}

template <class T>
QString shown(T value, const calc::Region& region) {
    return QString::fromStdString(calc::numberText(response::roundPart(value), region));
}

QString signedTenths(double value, const calc::Region& region) {
    const long long tenths = std::llround(value * 10);
    const QString digits = QStringLiteral("%1%2%3")
                               .arg(std::llabs(tenths) / 10)
                               .arg(QString::fromStdString(region.decimal))
                               .arg(std::llabs(tenths) % 10);
    const QString sign = tenths > 0 ? QStringLiteral("+") : tenths < 0 ? QStringLiteral("-") : "";
    return sign + digits;
}

QString joined(const std::optional<QString>& lower, const std::optional<QString>& upper) {
    if (lower && upper) return *lower + QStringLiteral(" / ") + *upper;
    return lower.value_or(upper.value_or(QString()));
}

}  // namespace

QString hertzText(double hertz, const calc::Region& region) {
    return written(std::round(hertz), region);
}

QString tenthsText(double ohms, const calc::Region& region) {
    return written(std::round(ohms * 10) / 10, region);
}

QString deviationText(double percent, const calc::Region& region) {
    return signedTenths(percent, region) + QStringLiteral(" %");
}

QString levelText(double dB, const calc::Region& region) {
    if (!std::isfinite(dB)) return QStringLiteral("bez izlaza");
    return signedTenths(dB, region) + QStringLiteral(" dB");
}

QString edgesText(const std::optional<double>& lower, const std::optional<double>& upper,
                  Designed designed, const calc::Region& region) {
    const auto text = [&](const std::optional<double>& edge) -> QString {
        return edge ? hertzText(*edge, region) : QStringLiteral("nema");
    };
    return joined(designed.lower ? std::optional(text(lower)) : std::nullopt,
                  designed.upper ? std::optional(text(upper)) : std::nullopt);
}

QString deviationsText(const std::optional<double>& lower, const std::optional<double>& upper,
                       const std::optional<double>& lowerTarget,
                       const std::optional<double>& upperTarget, const calc::Region& region) {
    const auto deviation = [&](const std::optional<double>& edge,
                               const std::optional<double>& target) -> std::optional<QString> {
        if (!target) return std::nullopt;
        if (!edge || *target == 0) return QStringLiteral("-");
        return deviationText((*edge - *target) / *target * 100, region);
    };
    return joined(deviation(lower, lowerTarget), deviation(upper, upperTarget));
}

std::vector<QString> partTexts(const formkit::CrossoverResult& result, const calc::Region& region) {
    const auto s = [&region](auto value) { return shown(value, region); };
    return std::visit(
        [&](const auto& r) -> std::vector<QString> {
            using R = std::decay_t<decltype(r)>;
            if constexpr (std::is_same_v<R, calc::LowPass6db>)
                return {s(r.L)};
            else if constexpr (std::is_same_v<R, calc::BandPass12db>)
                return {s(r.L1), s(r.C1), s(r.L2), s(r.C2)};
            else if constexpr (std::is_same_v<R, calc::HighPass6db>)
                return {s(r.C)};
            else
                return {s(r.L), s(r.C)};
        },
        result);
}

}  // namespace odziv
