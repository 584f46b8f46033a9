#include <QPainter>
#include <array>
#include <vector>

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

// The same diode as outlines on the 32-pixel grid, for every other size: the
// wire through rows 15 and 16, the triangle from column 9 to the bar, the bar in
// columns 22 and 23, both over rows 6 to 25.
const std::array<std::vector<QPoint>, 3> diode = {{
    {{0, 15}, {32, 15}, {32, 17}, {0, 17}},
    {{9, 6}, {22, 16}, {9, 26}},
    {{22, 6}, {24, 6}, {24, 26}, {22, 26}},
}};

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

// Corners fall on whole pixels, so that the wire and the bar stay sharp at every size.
QImage iconImage(int size) {
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(windowsPalette[yellow]);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(windowsPalette[black]));
    for (const std::vector<QPoint>& outline : diode) {
        QPolygon polygon;
        for (const QPoint& corner : outline)
            polygon << QPoint(qRound(corner.x() * size / 32.0), qRound(corner.y() * size / 32.0));
        painter.drawPolygon(polygon);
    }
    return image;
}

QByteArray iconSvg() {
    QByteArray svg =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"32\" height=\"32\" viewBox=\"0 0 32 "
        "32\">\n"
        "  <rect width=\"32\" height=\"32\" fill=\"" +
        QColor(windowsPalette[yellow]).name().toLatin1() + "\"/>\n";
    for (const std::vector<QPoint>& outline : diode) {
        QByteArrayList corners;
        for (const QPoint& corner : outline)
            corners << QByteArray::number(corner.x()) + ',' + QByteArray::number(corner.y());
        svg += "  <polygon points=\"" + corners.join(' ') + "\" fill=\"" +
               QColor(windowsPalette[black]).name().toLatin1() + "\"/>\n";
    }
    return svg + "</svg>\n";
}
