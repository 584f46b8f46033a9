#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "images.h"
#include "palette.h"

namespace {

// Seen from the front and to one side, every circle of the loudspeaker is an ellipse of
// this narrowness, and a part that lies deeper in the box is drawn further to the left.
constexpr double narrow = 0.6;
constexpr double axisY = 99;
constexpr double frontX = 104;

QRectF ring(double cx, double ry) {
    return {cx - ry * narrow, axisY - ry, 2 * ry * narrow, 2 * ry};
}

// Brushed metal lit from above: a bright band high up, a dark one below the middle.
QLinearGradient metal(double ry, int base) {
    QLinearGradient g(0, axisY - ry, 0, axisY + ry);
    auto shade = [base](double f) {
        const int v = std::clamp(int(base * f), 0, 255);
        return QColor(v, v, std::min(255, v + 5));
    };
    g.setColorAt(0, shade(0.7));
    g.setColorAt(0.18, shade(1.6));
    g.setColorAt(0.3, shade(1.15));
    g.setColorAt(0.62, shade(0.45));
    g.setColorAt(0.85, shade(0.8));
    g.setColorAt(1, shade(0.5));
    return g;
}

void drawBackground(QPainter& p) {
    // Dark towards every edge, so that the photograph melts into the black form.
    QRadialGradient g(90, 96, 100);
    g.setColorAt(0, QColor(58, 56, 54));
    g.setColorAt(0.6, QColor(24, 23, 22));
    g.setColorAt(0.95, QColor(5, 5, 5));
    g.setColorAt(1, QColor(3, 3, 3));
    p.fillRect(QRectF(0, 0, 168, 199), g);
    QRadialGradient shadow(120, 190, 70);
    shadow.setColorAt(0, QColor(0, 0, 0, 150));
    shadow.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillRect(QRectF(0, 120, 168, 79), shadow);
}

// A cylinder on the axis from x0 (back) to x1, its far end only a silhouette.
void cylinder(QPainter& p, double x0, double x1, double ry, int base, QColor face) {
    QPainterPath side;
    side.addEllipse(ring(x0, ry));
    side.addRect(QRectF(x0, axisY - ry, x1 - x0, 2 * ry));
    side.setFillRule(Qt::WindingFill);
    p.setPen(Qt::NoPen);
    p.setBrush(metal(ry, base));
    p.drawPath(side);
    p.setBrush(face);
    p.drawEllipse(ring(x1, ry));
}

void drawMagnet(QPainter& p) {
    cylinder(p, 22, 28, 28, 150, QColor(70, 70, 74));
    cylinder(p, 28, 44, 38, 60, QColor(30, 30, 30));
    cylinder(p, 44, 50, 38, 160, QColor(90, 90, 94));
    cylinder(p, 50, 56, 28, 130, QColor(60, 60, 62));
}

// Cast arms of the basket from the magnet out to the back of the rim.
void drawBasket(QPainter& p) {
    p.setPen(QPen(QColor(14, 14, 14), 0.8));
    for (double sign : {-1.0, 1.0}) {
        QLinearGradient g(50, axisY, 66, axisY + sign * 84);
        g.setColorAt(0, QColor(70, 70, 74));
        const int lit = sign < 0 ? 200 : 130;  // the upper arm faces the light
        g.setColorAt(sign < 0 ? 0.5 : 0.8, QColor(lit, lit, lit + 6));
        g.setColorAt(1, QColor(56, 56, 60));
        p.setBrush(g);
        QPainterPath arm;
        arm.moveTo(50, axisY + sign * 22);
        arm.lineTo(50, axisY + sign * 34);
        arm.cubicTo(54, axisY + sign * 52, 58, axisY + sign * 70, 62, axisY + sign * 86);
        arm.lineTo(72, axisY + sign * 84);
        arm.cubicTo(66, axisY + sign * 66, 60, axisY + sign * 44, 56, axisY + sign * 22);
        arm.closeSubpath();
        p.drawPath(arm);
    }
    QLinearGradient g(0, axisY - 6, 0, axisY + 6);
    g.setColorAt(0, QColor(150, 150, 156));
    g.setColorAt(1, QColor(40, 40, 44));
    p.setBrush(g);
    p.drawRect(QRectF(54, axisY - 5, 14, 10));
}

void drawRim(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(34, 34, 36));
    p.drawEllipse(ring(frontX - 6, 96));
    QLinearGradient face(frontX - 50, 10, frontX + 50, 190);
    face.setColorAt(0, QColor(215, 215, 220));
    face.setColorAt(0.3, QColor(120, 120, 126));
    face.setColorAt(0.55, QColor(70, 70, 74));
    face.setColorAt(0.8, QColor(140, 140, 146));
    face.setColorAt(1, QColor(60, 60, 64));
    p.setBrush(face);
    p.drawEllipse(ring(frontX, 96));
    p.setPen(QPen(QColor(235, 235, 240, 180), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(ring(frontX, 94.5), 100 * 16, 70 * 16);
    p.setPen(Qt::NoPen);
    for (double angle : {45.0, 135.0, 225.0, 315.0}) {
        const double a = angle * std::numbers::pi / 180;
        const QPointF hole(frontX + 91 * narrow * std::cos(a), axisY - 91 * std::sin(a));
        p.setBrush(QColor(200, 200, 205));
        p.drawEllipse(hole + QPointF(0.6, 0.6), 2.2, 3.2);
        p.setBrush(QColor(6, 6, 6));
        p.drawEllipse(hole, 1.9, 2.9);
    }
}

// The rubber roll: lit on its upper inner slope, in shadow below.
void drawSurround(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(10, 10, 10));
    p.drawEllipse(ring(frontX - 1, 86));
    QLinearGradient light(frontX - 40, axisY - 80, frontX + 30, axisY + 80);
    light.setColorAt(0, QColor(120, 118, 116));
    light.setColorAt(0.35, QColor(46, 45, 44));
    light.setColorAt(0.7, QColor(18, 18, 18));
    light.setColorAt(1, QColor(60, 58, 56));
    p.setPen(QPen(QBrush(light), 4.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(ring(frontX - 2, 79.5));
}

void drawCone(QPainter& p) {
    QRadialGradient paper(frontX - 14, axisY, 78, frontX - 30, axisY - 14);
    paper.setColorAt(0, QColor(6, 6, 6));
    paper.setColorAt(0.35, QColor(26, 25, 24));
    paper.setColorAt(0.75, QColor(52, 51, 50));
    paper.setColorAt(1, QColor(88, 86, 84));
    p.setPen(QPen(QColor(4, 4, 4), 1));
    p.setBrush(paper);
    p.drawEllipse(ring(frontX - 3, 74));
    // Pressed ribs in the paper, each a little deeper and so further left.
    p.setBrush(Qt::NoBrush);
    for (int rib = 0; rib < 3; ++rib) {
        const double ry = 64 - rib * 11;
        p.setPen(QPen(QColor(110, 108, 106, 60), 1));
        p.drawArc(ring(frontX - 5 - rib * 3, ry), 90 * 16, 120 * 16);
        p.setPen(QPen(QColor(0, 0, 0, 90), 1));
        p.drawArc(ring(frontX - 4 - rib * 3, ry), 250 * 16, 110 * 16);
    }
}

void drawDustCap(QPainter& p) {
    const double cx = frontX - 16;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 140));
    p.drawEllipse(ring(cx + 3, 27));
    QRadialGradient dome(cx - 2, axisY - 4, 30, cx - 7, axisY - 11);
    dome.setColorAt(0, QColor(168, 166, 164));
    dome.setColorAt(0.25, QColor(80, 79, 78));
    dome.setColorAt(0.7, QColor(24, 24, 24));
    dome.setColorAt(1, QColor(8, 8, 8));
    p.setPen(QPen(QColor(2, 2, 2), 1));
    p.setBrush(dome);
    p.drawEllipse(ring(cx, 26));
}

// A faint, fixed grain, as film would give; the same seed gives the same picture.
void addGrain(QImage& canvas) {
    std::uint32_t state = 12345;
    for (int y = 0; y < canvas.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(canvas.scanLine(y));
        for (int x = 0; x < canvas.width(); ++x) {
            state = state * 1664525u + 1013904223u;
            const int d = int(state >> 29) - 3;
            auto c = [d](int v) { return std::clamp(v + d, 0, 255); };
            line[x] = qRgb(c(qRed(line[x])), c(qGreen(line[x])), c(qBlue(line[x])));
        }
    }
}

}  // namespace

QImage speakerImage(bool coneFacingRight, int scale) {
    QImage canvas(168 * scale, 199 * scale, QImage::Format_RGB32);
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    drawBackground(p);
    drawMagnet(p);
    drawBasket(p);
    drawRim(p);
    drawSurround(p);
    drawCone(p);
    drawDustCap(p);
    p.end();
    addGrain(canvas);
    if (!coneFacingRight) canvas = canvas.mirrored(true, false);
    return toPalette(canvas);
}
