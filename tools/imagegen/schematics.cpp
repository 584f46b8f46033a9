#include <cmath>
#include <numbers>

#include "glyphs.h"
#include "images.h"
#include "pixelpen.h"

namespace {

constexpr int groundIndex = 0;
constexpr int inkIndex = 1;
constexpr int archSteps = 24;

// One two-colour crossover drawing, at `scale` device pixels to each of the design's. Coordinates
// are where the marks land: with a 2-pixel pen a line at y 45 also covers y 46, and a shape given
// as x 84 to 128 ends at 128.
class Schematic {
public:
    Schematic(int lineWidth, int scale)
        : image_(236 * scale, 177 * scale, QImage::Format_Indexed8),
          pen_(image_, inkIndex, lineWidth, scale),
          scale_(scale) {
        image_.setColorTable({qRgb(255, 153, 204), qRgb(0, 0, 0)});
        image_.fill(groundIndex);
        PixelPen frame(image_, inkIndex, 1, scale);
        frame.fillRect(0, 0, 235, 2);
        frame.fillRect(0, 174, 235, 176);
        frame.fillRect(0, 0, 2, 176);
        frame.fillRect(233, 0, 235, 176);
    }

    QImage image() const { return image_; }

    void line(int x0, int y0, int x1, int y1) { pen_.line(x0, y0, x1, y1); }

    // Three arches standing on a level wire, from x0 to x1, their tops reaching topY.
    void coilAlong(int x0, int x1, int wireY, int topY) {
        const double span = (x1 - x0 - (pen_.width() - 1)) / 3.0;
        for (int arch = 0; arch < 3; ++arch)
            pen_.polyline(arc([&](double phi) {
                return QPointF(x0 + span * (arch + (1 - std::cos(phi)) / 2),
                               wireY - (wireY - topY) * std::sin(phi));
            }));
    }

    // Three arches in an upright wire, from y0 to y1, bulging left to leftX.
    void coilDown(int wireX, int y0, int y1, int leftX) {
        const double span = (y1 - y0 - (pen_.width() - 1)) / 3.0;
        for (int arch = 0; arch < 3; ++arch)
            pen_.polyline(arc([&](double phi) {
                return QPointF(wireX - (wireX - leftX) * std::sin(phi),
                               y0 + span * (arch + (1 - std::cos(phi)) / 2));
            }));
    }

    // A filled dot five pixels across where a wire branches: at the design's density a cross
    // without its corners.
    void junction(int x, int y) {
        PixelPen(image_, inkIndex, 1, scale_).fillDisc(QPointF(x + 0.5, y + 0.5), 2.5);
    }

    // The loudspeaker: its body upright in the wire, the cone opening to the right.
    void loudspeaker(QRect body, int coneX, int coneTop, int coneBottom) {
        const int t = pen_.width();
        pen_.line(body.left(), body.top(), body.right() - t + 1, body.top());
        pen_.line(body.left(), body.bottom() - t + 1, body.right() - t + 1, body.bottom() - t + 1);
        pen_.line(body.left(), body.top(), body.left(), body.bottom() - t + 1);
        pen_.line(body.right() - t + 1, body.top(), body.right() - t + 1, body.bottom() - t + 1);
        pen_.line(coneX, coneTop, coneX, coneBottom - t + 1);
        pen_.line(body.right() - t + 1, body.top() + 14, coneX, coneTop);
        pen_.line(body.right() - t + 1, body.bottom() - 13 - t + 1, coneX, coneBottom - t + 1);
    }

    void letter(char glyph, int x0, int y0, int x1, int y1) {
        drawGlyph(pen_, glyph, QRect(QPoint(x0, y0), QPoint(x1, y1)));
    }

private:
    // Half a turn in as many steps as the density asks for, so that a curve drawn larger stays
    // smooth.
    template <class Point>
    std::vector<QPointF> arc(Point point) const {
        std::vector<QPointF> points;
        for (int i = 0; i <= archSteps * scale_; ++i)
            points.push_back(point(std::numbers::pi * i / (archSteps * scale_)));
        return points;
    }

    QImage image_;
    PixelPen pen_;
    int scale_;
};

// Woofer, first order: a series coil.
QImage lowPass6db(int scale) {
    Schematic s(2, scale);
    s.line(36, 45, 84, 45);
    s.coilAlong(84, 128, 45, 31);
    s.line(127, 45, 177, 45);
    s.line(177, 45, 177, 73);
    s.loudspeaker(QRect(QPoint(170, 73), QPoint(184, 115)), 198, 74, 115);
    s.line(177, 114, 177, 144);
    s.line(36, 144, 177, 144);
    s.letter('L', 104, 51, 109, 60);
    s.letter('Z', 158, 89, 166, 99);
    return s.image();
}

// Woofer, second order: a series coil, then a capacitor across the loudspeaker.
QImage lowPass12db(int scale) {
    Schematic s(1, scale);
    s.line(36, 45, 64, 45);
    s.coilAlong(64, 106, 45, 30);
    s.line(106, 45, 177, 45);
    s.junction(127, 45);
    s.line(127, 45, 127, 90);
    s.line(117, 90, 137, 90);
    s.line(117, 97, 137, 97);
    s.line(127, 97, 127, 143);
    s.junction(127, 143);
    s.line(177, 45, 177, 73);
    s.loudspeaker(QRect(QPoint(170, 73), QPoint(184, 115)), 198, 74, 115);
    s.line(177, 115, 177, 143);
    s.line(36, 143, 177, 143);
    s.letter('L', 83, 50, 87, 58);
    s.letter('C', 107, 89, 113, 98);
    s.letter('Z', 158, 89, 166, 99);
    return s.image();
}

// Midrange, first order: a series capacitor and a series coil.
QImage bandPass6db(int scale) {
    Schematic s(2, scale);
    s.line(36, 45, 60, 45);
    s.line(60, 35, 60, 55);
    s.line(67, 35, 67, 55);
    s.line(67, 45, 113, 45);
    s.coilAlong(113, 156, 45, 31);
    s.line(155, 45, 177, 45);
    s.line(177, 45, 177, 73);
    s.loudspeaker(QRect(QPoint(169, 73), QPoint(185, 116)), 198, 74, 116);
    s.line(177, 115, 177, 143);
    s.line(36, 143, 177, 143);
    s.letter('C', 46, 50, 53, 60);
    s.letter('L', 132, 51, 137, 60);
    s.letter('Z', 158, 93, 166, 102);
    return s.image();
}

// Midrange, second order: a high-pass section (C1 in series, L1 across) followed by a
// low-pass section (L2 in series, C2 across).
QImage bandPass12db(int scale) {
    Schematic s(1, scale);
    s.line(12, 44, 36, 44);
    s.line(36, 35, 36, 55);
    s.line(43, 35, 43, 55);
    s.line(43, 44, 96, 44);
    s.coilAlong(96, 138, 44, 30);
    s.line(138, 44, 202, 44);
    s.junction(75, 44);
    s.line(75, 44, 75, 72);
    s.coilDown(75, 72, 115, 61);
    s.line(75, 115, 75, 143);
    s.junction(75, 143);
    s.junction(159, 44);
    s.line(159, 44, 159, 90);
    s.line(149, 90, 169, 90);
    s.line(149, 97, 169, 97);
    s.line(159, 97, 159, 143);
    s.junction(159, 143);
    s.line(202, 44, 202, 72);
    s.loudspeaker(QRect(QPoint(195, 72), QPoint(209, 115)), 223, 73, 115);
    s.line(202, 115, 202, 143);
    s.line(11, 143, 202, 143);
    s.letter('C', 18, 50, 24, 58);
    s.letter('1', 27, 50, 30, 58);
    s.letter('L', 44, 88, 48, 97);
    s.letter('1', 51, 88, 54, 97);
    s.letter('L', 111, 50, 115, 58);
    s.letter('2', 118, 50, 123, 58);
    s.letter('C', 129, 88, 135, 96);
    s.letter('2', 138, 88, 143, 96);
    s.letter('Z', 184, 89, 190, 98);
    return s.image();
}

// Tweeter, first order: a series capacitor.
QImage highPass6db(int scale) {
    Schematic s(2, scale);
    s.line(36, 43, 95, 43);
    s.line(95, 33, 95, 53);
    s.line(102, 33, 102, 53);
    s.line(102, 43, 177, 43);
    s.line(177, 43, 177, 71);
    s.loudspeaker(QRect(QPoint(170, 71), QPoint(184, 115)), 198, 72, 115);
    s.line(177, 114, 177, 142);
    s.line(36, 142, 177, 142);
    s.letter('C', 81, 49, 88, 58);
    s.letter('Z', 158, 91, 166, 101);
    return s.image();
}

// Tweeter, second order: a series capacitor, then a coil across the loudspeaker.
QImage highPass12db(int scale) {
    Schematic s(1, scale);
    s.line(36, 43, 82, 43);
    s.line(82, 33, 82, 53);
    s.line(89, 33, 89, 53);
    s.line(89, 43, 177, 43);
    s.junction(127, 43);
    s.line(127, 43, 127, 71);
    s.coilDown(127, 71, 113, 114);
    s.line(127, 113, 127, 141);
    s.junction(127, 141);
    s.line(177, 43, 177, 71);
    s.loudspeaker(QRect(QPoint(170, 71), QPoint(184, 113)), 198, 72, 113);
    s.line(177, 113, 177, 141);
    s.line(36, 141, 177, 141);
    s.letter('C', 68, 48, 74, 57);
    s.letter('L', 104, 91, 108, 99);
    s.letter('Z', 158, 91, 166, 101);
    return s.image();
}

}  // namespace

std::vector<NamedImage> schematicImages(int scale) {
    const QString suffix = densitySuffix(scale);
    return {
        {"bas_6db" + suffix, lowPass6db(scale)},
        {"bas_12db" + suffix, lowPass12db(scale)},
        {"srednji_6db" + suffix, bandPass6db(scale)},
        {"srednji_12db" + suffix, bandPass12db(scale)},
        {"visoki_6db" + suffix, highPass6db(scale)},
        {"visoki_12db" + suffix, highPass12db(scale)},
    };
}
