#include "glyphs.h"

#include <cmath>
#include <vector>

#include "pixelpen.h"

namespace {

using Stroke = std::vector<QPointF>;

std::vector<Stroke> strokes(char glyph) {
    switch (glyph) {
        case 'L':
            return {{{0, 0}, {0, 1}, {1, 1}}};
        case 'Z':
            return {{{0, 0}, {1, 0}, {0, 1}, {1, 1}}};
        case 'C':
            return {
                {{1, 0.2}, {0.7, 0}, {0.3, 0}, {0, 0.3}, {0, 0.7}, {0.3, 1}, {0.7, 1}, {1, 0.8}}};
        case '1':
            return {{{0, 0.25}, {0.6, 0}, {0.6, 1}}, {{0, 1}, {1, 1}}};
        case '2':
            return {{{0, 0.2}, {0.3, 0}, {0.7, 0}, {1, 0.2}, {1, 0.4}, {0, 1}, {1, 1}}};
        default:
            return {};
    }
}

}  // namespace

void drawGlyph(PixelPen& pen, char glyph, QRect box) {
    // The pen extends right and down from each path point, so the path gets a box one pen
    // narrower than the glyph's.
    const double w = box.width() - pen.width();
    const double h = box.height() - pen.width();
    for (const Stroke& stroke : strokes(glyph)) {
        std::vector<QPointF> points;
        for (const QPointF& p : stroke)
            points.emplace_back(box.left() + p.x() * w, box.top() + p.y() * h);
        pen.polyline(points);
    }
}
