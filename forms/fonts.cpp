#include "forms/fonts.h"

#include <cmath>

namespace forms {

QFont tableFont(const Font& font, const QFont& formDefault) {
    if (!font.given) return formDefault;
    QFont result(QString::fromLatin1(standInFace));
    result.setStyleHint(QFont::SansSerif);
    result.setPixelSize(int(std::lround(font.points * 96.0 / 72.0)));
    result.setWeight(font.bold ? QFont::Bold : QFont::Normal);
    return result;
}

}  // namespace forms
