#pragma once

#include <QImage>
#include <QPointF>
#include <vector>

// Draws hard-edged strokes into a palette image. Coordinates are the design's pixels; the image
// has `scale` device pixels to each, so that the same design is drawn afresh at 2 and 3 times the
// density rather than enlarged. The pen is a square of `width` design pixels whose top-left corner
// follows the path, so a line at y 45 drawn 2 wide covers rows 45 and 46 (at scale 2, 90 to 93).
class PixelPen {
public:
    PixelPen(QImage& image, int colourIndex, int width, int scale = 1);

    int width() const { return width_; }
    void line(int x0, int y0, int x1, int y1);
    // Points between pixels are rounded at the image's density.
    void polyline(const std::vector<QPointF>& points);
    // Design pixels x0 to x1 and y0 to y1, both ends included.
    void fillRect(int x0, int y0, int x1, int y1);
    // Every device pixel whose centre lies within `radius` of `centre`.
    void fillDisc(QPointF centre, double radius);
    // A filled arrow head: its tip at `tip`, opening by half a pixel on either side for each pixel
    // along `direction` (one of the four axes), `length` pixels long.
    void arrowHead(QPointF tip, QPoint direction, int length);

private:
    void plot(int x, int y);
    void square(int x, int y);  // the pen's mark, in device pixels
    void deviceLine(int x0, int y0, int x1, int y1);
    int device(double designPixels) const;

    QImage& image_;
    int index_;
    int width_;
    int scale_;
};
