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

void outlinedBlock(QImage& image, QRect box, Colour fill) {
    PixelPen(image, fill, 1).fillRect(box.left(), box.top(), box.right(), box.bottom());
    PixelPen edge(image, ink, 1);
    edge.line(box.left(), box.top(), box.right(), box.top());
    edge.line(box.left(), box.bottom(), box.right(), box.bottom());
    edge.line(box.left(), box.top(), box.left(), box.bottom());
    edge.line(box.right(), box.top(), box.right(), box.bottom());
}

// A dimension arrow with a filled head at each end, its tips on x0 and x1.
void levelArrow(QImage& image, int x0, int x1, int y) {
    PixelPen pen(image, ink, 1);
    pen.line(x0, y, x1, y);
    for (int k = 0; k < arrowHead; ++k) {
        pen.line(x0 + k, y - k / 2, x0 + k, y + k / 2);
        pen.line(x1 - k, y - k / 2, x1 - k, y + k / 2);
    }
}

void uprightArrow(QImage& image, int x, int y0, int y1) {
    PixelPen pen(image, ink, 1);
    pen.line(x, y0, x, y1);
    for (int k = 0; k < arrowHead; ++k) {
        pen.line(x - k / 2, y0 + k, x + k / 2, y0 + k);
        pen.line(x - k / 2, y1 - k, x + k / 2, y1 - k);
    }
}

}  // namespace

QImage coilImage() {
    QImage image(330, 200, QImage::Format_Indexed8);
    image.setColorTable({qRgb(255, 0, 102), qRgb(0, 0, 0), qRgb(150, 150, 150), qRgb(212, 212, 212),
                         qRgb(255, 102, 51)});
    image.fill(ground);
    PixelPen frame(image, ink, 1);
    frame.fillRect(0, 0, 329, 1);
    frame.fillRect(0, 198, 329, 199);
    frame.fillRect(0, 0, 1, 199);
    frame.fillRect(328, 0, 329, 199);

    outlinedBlock(image, leftWinding, winding);
    outlinedBlock(image, rightWinding, winding);
    outlinedBlock(image, core, coreGrey);
    outlinedBlock(image, topFlange, flangeGrey);
    outlinedBlock(image, bottomFlange, flangeGrey);

    uprightArrow(image, 70, topFlange.bottom() + 1, bottomFlange.top() - 1);
    drawSerifGlyph(image, ink, 'l', 58, 94);

    const int hY = 64;
    levelArrow(image, leftWinding.left() + 1, leftWinding.right() - 1, hY);
    drawSerifGlyph(image, ink, 'h', leftWinding.center().x() - 4, hY - 18);

    const int dY = 128;
    const int leftMid = (leftWinding.left() + leftWinding.right()) / 2;
    const int rightMid = (rightWinding.left() + rightWinding.right()) / 2;
    levelArrow(image, leftMid, rightMid, dY);
    const int dX = core.center().x() - 7;
    const int dWidth = drawSerifGlyph(image, ink, 'd', dX, dY - 20);
    drawSerifGlyph(image, ink, '0', dX + dWidth + 1, dY - 16);
    return image;
}
