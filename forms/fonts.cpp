#include "forms/fonts.h"

#include <cmath>

namespace forms {

namespace {
QFont standIn(double points, bool bold) {
    QFont result(QString::fromLatin1(standInFace));
    result.setStyleHint(QFont::SansSerif);
    result.setPixelSize(int(std::lround(points * 96.0 / 72.0)));
    result.setWeight(bold ? QFont::Bold : QFont::Normal);
    return result;
}
}  // namespace

QFont tableFont(const Font& font, const QFont& formDefault) {
    return font.given ? standIn(font.points, font.bold) : formDefault;
}

QFont dialogFont() { return standIn(8, false); }

}  // namespace forms
