#pragma once

#include <QImage>
#include <QPointF>
#include <vector>

// Draws hard-edged strokes into a palette image. The pen is a square of `width` pixels whose
// top-left corner follows the path, so a line at y 45 drawn 2 wide covers rows 45 and 46.
class PixelPen {
public:
    PixelPen(QImage& image, int colourIndex, int width);

    int width() const { return width_; }
    void dot(int x, int y);
    void line(int x0, int y0, int x1, int y1);
    void polyline(const std::vector<QPoint>& points);
    void fillRect(int x0, int y0, int x1, int y1);

private:
    void plot(int x, int y);

    QImage& image_;
    int index_;
    int width_;
};
