#include "pixelpen.h"

#include <cmath>
#include <cstdlib>

PixelPen::PixelPen(QImage& image, int colourIndex, int width, int scale)
    : image_(image), index_(colourIndex), width_(width), scale_(scale) {}

int PixelPen::device(double designPixels) const { return int(std::lround(designPixels * scale_)); }

void PixelPen::plot(int x, int y) {
    if (image_.valid(x, y)) image_.setPixel(x, y, index_);
}

void PixelPen::square(int x, int y) {
    const int side = width_ * scale_;
    for (int dy = 0; dy < side; ++dy)
        for (int dx = 0; dx < side; ++dx) plot(x + dx, y + dy);
}

// Bresenham: integer steps keep every run of the generator identical.
void PixelPen::deviceLine(int x0, int y0, int x1, int y1) {
    const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        square(x0, y0);
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

void PixelPen::line(int x0, int y0, int x1, int y1) {
    deviceLine(x0 * scale_, y0 * scale_, x1 * scale_, y1 * scale_);
}

void PixelPen::polyline(const std::vector<QPointF>& points) {
    for (size_t i = 1; i < points.size(); ++i)
        deviceLine(device(points[i - 1].x()), device(points[i - 1].y()), device(points[i].x()),
                   device(points[i].y()));
    if (points.size() == 1) square(device(points[0].x()), device(points[0].y()));
}

void PixelPen::fillRect(int x0, int y0, int x1, int y1) {
    for (int y = y0 * scale_; y < (y1 + 1) * scale_; ++y)
        for (int x = x0 * scale_; x < (x1 + 1) * scale_; ++x) plot(x, y);
}

void PixelPen::fillDisc(QPointF centre, double radius) {
    const QPointF c = centre * scale_;
    const double r = radius * scale_;
    for (int y = int(std::floor(c.y() - r)); y <= int(std::ceil(c.y() + r)); ++y)
        for (int x = int(std::floor(c.x() - r)); x <= int(std::ceil(c.x() + r)); ++x)
            if (std::hypot(x + 0.5 - c.x(), y + 0.5 - c.y()) <= r) plot(x, y);
}

void PixelPen::arrowHead(QPointF tip, QPoint direction, int length) {
    const bool level = direction.x() != 0;
    const double start = (level ? tip.x() : tip.y()) * scale_;
    const double axis = (level ? tip.y() : tip.x()) * scale_;
    const bool forward = direction.x() + direction.y() > 0;
    for (int along = 0; along < length * scale_; ++along) {
        // The slope is the same at every density: half a pixel across for each pixel along,
        // measured at the centre of each pixel.
        const double half = (along + 0.5) / 2;
        const int at = int(std::floor(start)) + (forward ? along : -1 - along);
        for (int across = int(std::ceil(axis - 0.5 - half));
             across <= int(std::floor(axis - 0.5 + half)); ++across)
            level ? plot(at, across) : plot(across, at);
    }
}
