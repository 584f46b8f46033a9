#include "formkit/region.h"

#include <QRegularExpression>

namespace formkit {

calc::Region regionOf(const QLocale& locale) {
    if (locale.language() == QLocale::C) return {",", "."};
    return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

calc::Region userRegion() { return regionOf(QLocale::system()); }

QString regionalDefault(std::string_view text, const calc::Region& region) {
    static const QRegularExpression commaNumber(QStringLiteral("^-?[0-9]+,[0-9]+$"));
    QString result = QString::fromUtf8(text.data(), qsizetype(text.size()));
    if (commaNumber.match(result).hasMatch())
        result.replace(QLatin1Char(','), QString::fromStdString(region.decimal));
    return result;
}

}  // namespace formkit
