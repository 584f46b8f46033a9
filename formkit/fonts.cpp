#include "formkit/fonts.h"

#include <QFontDatabase>
#include <cmath>

namespace formkit {

QString tableFace() {
    static const QString face = QString::fromLatin1(
        QFontDatabase::hasFamily(QString::fromLatin1(formFace)) ? formFace : standInFace);
    return face;
}

namespace {
QFont faceAt(double points, bool bold) {
    QFont result(tableFace());
    result.setStyleHint(QFont::SansSerif);
    result.setPixelSize(int(std::lround(points * 96.0 / 72.0)));
    result.setWeight(bold ? QFont::Bold : QFont::Normal);
    return result;
}
}  // namespace

QFont tableFont(const Font& font, const QFont& formDefault) {
    return font.given ? faceAt(font.points, font.bold) : formDefault;
}

QFont dialogFont() { return faceAt(8, false); }

}  // namespace formkit
