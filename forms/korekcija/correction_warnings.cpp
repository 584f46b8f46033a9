#include "forms/korekcija/correction_warnings.h"

namespace korekcija {

namespace {

QString nameOf(const formkit::Input& input) {
    return QStringLiteral("%1 (%2)").arg(QString::fromUtf8(input.symbol),
                                         QString::fromUtf8(input.meaning));
}

}  // namespace

QString correctionWarning(driver::Problem problem, const formkit::Input& input,
                          const calc::Region& region) {
    const QString name = nameOf(input);
    switch (problem) {
        case driver::Problem::NotPositive:
            break;
        case driver::Problem::RatioOutside:
            return QStringLiteral("Broj u polju %1 mora biti od %2 do %3.")
                .arg(name, QString::fromStdString(calc::numberText(driver::lowestRatio, region)),
                     QString::fromStdString(calc::numberText(driver::highestRatio, region)));
        case driver::Problem::OutOfRange:
            return QStringLiteral(
                       "Sa brojem u polju %1 neki deo bi bio van opsega koji program "
                       "racuna. Upisite broj blizi uobicajenim vrednostima.")
                .arg(name);
    }
    return notPositiveWarning(input);
}

QString notPositiveWarning(const formkit::Input& input) {
    return QStringLiteral("Broj u polju %1 mora biti veci od nule.").arg(nameOf(input));
}

}  // namespace korekcija
