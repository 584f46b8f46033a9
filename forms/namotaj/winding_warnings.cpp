#include "forms/namotaj/winding_warnings.h"

#include <utility>

namespace namotaj {

namespace {

QString nameOf(const formkit::Input& input) {
    return QStringLiteral("%1 (%2)").arg(QString::fromUtf8(input.symbol),
                                         QString::fromUtf8(input.meaning));
}

const formkit::Input& inputOf(winding::Field field, std::span<const formkit::Input> inputs) {
    return inputs[std::to_underlying(field)];
}

}  // namespace

QString windingWarning(const winding::BadField& failure, std::span<const formkit::Input> inputs,
                       const calc::Region& region) {
    const auto millimetres = [&region](double diameter) {
        return QString::fromStdString(calc::numberText(diameter, region));
    };
    const QString name = nameOf(inputOf(failure.field, inputs));
    switch (failure.problem) {
        case winding::Problem::NotPositive:
            return QStringLiteral("Broj u polju %1 mora biti veci od nule.").arg(name);
        case winding::Problem::Negative:
            return QStringLiteral("Broj u polju %1 ne sme biti negativan.").arg(name);
        case winding::Problem::OuterBelowCopper:
            return QStringLiteral(
                       "Broj u polju %1 je manji od %2, a zica preko laka je deblja od bakra. "
                       "Upisite veci broj, ili ostavite polje prazno.")
                .arg(name, nameOf(inputOf(winding::Field::Wire, inputs)));
        case winding::Problem::WireThickerThanLength:
            return QStringLiteral(
                       "Zica preko laka je deblja od duzine namotaja, pa nijedan namotaj ne staje "
                       "u sloj. Smanjite %1 ili povecajte %2.")
                .arg(name, nameOf(inputOf(winding::Field::Length, inputs)));
        case winding::Problem::LayerTooLong:
            return QStringLiteral(
                       "U jedan sloj duzine %1 stalo bi vise od %2 namotaja, a kalem ih sme imati "
                       "najvise toliko. Upisite manju duzinu namotaja.")
                .arg(name)
                .arg(winding::maxTurns);
        case winding::Problem::Unreachable:
            return QStringLiteral(
                       "Nijedan kalem od najvise %1 namotaja ne dostize induktivitet iz polja %2. "
                       "Upisite manji induktivitet, ili promenite telo ili zicu.")
                .arg(winding::maxTurns)
                .arg(name);
        case winding::Problem::BelowThinnestWire:
            return QStringLiteral(
                       "Zica za ove brojeve bila bi tanja od %1 mm, a tanje zice za namotavanje "
                       "nema. Promenite %2.")
                .arg(millimetres(winding::thinnestWire), name);
        case winding::Problem::AboveThickestWire:
            return QStringLiteral(
                       "Zica za ove brojeve bila bi deblja od %1 mm, a deblje zice za namotavanje "
                       "nema. Promenite %2.")
                .arg(millimetres(winding::thickestWire), name);
        case winding::Problem::Overflow:
            break;
    }
    // The program's one wording for a result beyond the single range.
    const auto field = static_cast<int>(std::to_underlying(failure.field));
    return formkit::faultWarning(calc::Fault{calc::FaultKind::Overflow, field}, inputs);
}

}  // namespace namotaj
