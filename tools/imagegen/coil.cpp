#include "images.h"
#include "pixelpen.h"
#include "serifface.h"

namespace {

enum Colour { ground, ink, flangeGrey, coreGrey, winding };

// Flanges, core and the two winding blocks, as their outer pixel boxes.
constexpr QRect topFlange(QPoint(55, 18), QPoint(275, 34));
constexpr QRect bottomFlange(QPoint(55, 166), QPoint(275, 182));
constexpr QRect core(QPoint(145, 34), QPoint(185, 166));
constexpr QRect leftWinding(QPoint(85, 34), QPoint(145, 166));
constexpr QRect rightWinding(QPoint(185, 34), QPoint(245, 166));
constexpr int arrowHead = 7;

void outlinedBlock(QImage& image, int scale, QRect box, Colour fill) {
    PixelPen(image, fill, 1, scale).fillRect(box.left(), box.top(), box.right(), box.bottom());
    PixelPen edge(image, ink, 1, scale);
    edge.line(box.left(), box.top(), box.right(), box.top());
    edge.line(box.left(), box.bottom(), box.right(), box.bottom());
    edge.line(box.left(), box.top(), box.left(), box.bottom());
    edge.line(box.right(), box.top(), box.right(), box.bottom());
}

// A dimension arrow with a filled head at each end, its tips on pixels x0 and x1.
void levelArrow(QImage& image, int scale, int x0, int x1, int y) {
    PixelPen pen(image, ink, 1, scale);
    pen.line(x0, y, x1, y);
    pen.arrowHead(QPointF(x0, y + 0.5), QPoint(1, 0), arrowHead);
    pen.arrowHead(QPointF(x1 + 1, y + 0.5), QPoint(-1, 0), arrowHead);
}

void uprightArrow(QImage& image, int scale, int x, int y0, int y1) {
    PixelPen pen(image, ink, 1, scale);
    pen.line(x, y0, x, y1);
    pen.arrowHead(QPointF(x + 0.5, y0), QPoint(0, 1), arrowHead);
    pen.arrowHead(QPointF(x + 0.5, y1 + 1), QPoint(0, -1), arrowHead);
}

}  // namespace

QImage coilImage(int scale) {
    QImage image(330 * scale, 200 * scale, QImage::Format_Indexed8);
    image.setColorTable({qRgb(255, 0, 102), qRgb(0, 0, 0), qRgb(150, 150, 150), qRgb(212, 212, 212),
                         qRgb(255, 102, 51)});
    image.fill(ground);
    PixelPen frame(image, ink, 1, scale);
    frame.fillRect(0, 0, 329, 1);
    frame.fillRect(0, 198, 329, 199);
    frame.fillRect(0, 0, 1, 199);
    frame.fillRect(328, 0, 329, 199);

    outlinedBlock(image, scale, leftWinding, winding);
    outlinedBlock(image, scale, rightWinding, winding);
    outlinedBlock(image, scale, core, coreGrey);
    outlinedBlock(image, scale, topFlange, flangeGrey);
    outlinedBlock(image, scale, bottomFlange, flangeGrey);

    uprightArrow(image, scale, 70, topFlange.bottom() + 1, bottomFlange.top() - 1);
    drawSerifGlyph(image, scale, ink, 'l', 58, 94);

    const int hY = 64;
    levelArrow(image, scale, leftWinding.left() + 1, leftWinding.right() - 1, hY);
    drawSerifGlyph(image, scale, ink, 'h', leftWinding.center().x() - 4, hY - 18);

    const int dY = 128;
    const int leftMid = (leftWinding.left() + leftWinding.right()) / 2;
    const int rightMid = (rightWinding.left() + rightWinding.right()) / 2;
    levelArrow(image, scale, leftMid, rightMid, dY);
    const int dX = core.center().x() - 7;
    const int dWidth = drawSerifGlyph(image, scale, ink, 'd', dX, dY - 20);
    drawSerifGlyph(image, scale, ink, '0', dX + dWidth + 1, dY - 16);
    return image;
}
