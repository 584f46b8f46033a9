#include <array>

#include "images.h"

namespace {

// The sixteen colours every Windows icon of the period could rely on.
const std::array<QRgb, 16> windowsPalette = {
    qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255),
};
constexpr int black = 0;
constexpr int yellow = 11;

// Right end of the diode's triangle in rows 6 to 25; 0 marks the two wire rows.
constexpr std::array<int, 20> triangleEnd = {11, 12, 14, 15, 16, 18, 19, 23, 23, 0,
                                             0,  20, 18, 17, 16, 14, 13, 12, 10, 10};

}  // namespace

QImage iconImage() {
    QImage image(32, 32, QImage::Format_Indexed8);
    image.setColorTable(QList<QRgb>(windowsPalette.begin(), windowsPalette.end()));
    image.fill(yellow);
    for (int x = 0; x < 32; ++x) {
        image.setPixel(x, 15, black);
        image.setPixel(x, 16, black);
    }
    for (int row = 6; row <= 25; ++row) {
        for (int x = 9; x <= triangleEnd[row - 6]; ++x) image.setPixel(x, row, black);
        image.setPixel(22, row, black);
        image.setPixel(23, row, black);
    }
    return image;
}
