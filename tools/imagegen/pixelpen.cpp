#include "pixelpen.h"

#include <cstdlib>

PixelPen::PixelPen(QImage& image, int colourIndex, int width)
    : image_(image), index_(colourIndex), width_(width) {}

void PixelPen::plot(int x, int y) {
    if (image_.valid(x, y)) image_.setPixel(x, y, index_);
}

void PixelPen::dot(int x, int y) {
    for (int dy = 0; dy < width_; ++dy)
        for (int dx = 0; dx < width_; ++dx) plot(x + dx, y + dy);
}

// Bresenham: integer steps keep every run of the generator identical.
void PixelPen::line(int x0, int y0, int x1, int y1) {
    const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        dot(x0, y0);
        if (x0 == x1 && y0 == y1) return;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

void PixelPen::polyline(const std::vector<QPoint>& points) {
    for (size_t i = 1; i < points.size(); ++i)
        line(points[i - 1].x(), points[i - 1].y(), points[i].x(), points[i].y());
    if (points.size() == 1) dot(points[0].x(), points[0].y());
}

void PixelPen::fillRect(int x0, int y0, int x1, int y1) {
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) plot(x, y);
}
