#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "images.h"
#include "palette.h"

namespace {

// The front of the loudspeaker is a circle seen at an angle, so every ring of it is an
// ellipse about one centre; the deeper a part lies, the further left it is drawn.
constexpr double frontX = 104, frontY = 99;

QRectF ring(double cx, double rx, double ry) { return {cx - rx, frontY - ry, 2 * rx, 2 * ry}; }

QLinearGradient metal(double y0, double y1, int dark, int light) {
    QLinearGradient g(0, y0, 0, y1);
    g.setColorAt(0, QColor(light, light, light + 6));
    g.setColorAt(0.35, QColor(dark + 40, dark + 40, dark + 44));
    g.setColorAt(0.6, QColor(dark, dark, dark + 4));
    g.setColorAt(1, QColor(light - 30, light - 30, light - 26));
    return g;
}

void drawBackground(QPainter& p) {
    QRadialGradient g(84, 90, 130);
    g.setColorAt(0, QColor(46, 44, 42));
    g.setColorAt(1, QColor(6, 6, 6));
    p.fillRect(QRectF(0, 0, 168, 199), g);
}

void drawMagnet(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(metal(58, 142, 20, 120));
    p.drawRect(QRectF(18, 58, 30, 84));
    p.setBrush(QColor(30, 30, 32));
    p.drawEllipse(QRectF(8, 58, 20, 84));
    p.setBrush(metal(62, 138, 40, 170));
    p.drawRect(QRectF(30, 62, 8, 76));
}

void drawBasket(QPainter& p) {
    p.setPen(QPen(QColor(20, 20, 20), 1));
    p.setBrush(metal(0, 199, 60, 160));
    for (double sign : {-1.0, 1.0}) {
        QPainterPath arm;
        arm.moveTo(44, frontY + sign * 34);
        arm.lineTo(80, frontY + sign * 90);
        arm.lineTo(92, frontY + sign * 84);
        arm.lineTo(48, frontY + sign * 22);
        arm.closeSubpath();
        p.drawPath(arm);
    }
}

void drawFrontRim(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 40, 42));
    p.drawEllipse(ring(frontX - 5, 58, 96));
    p.setBrush(metal(3, 195, 70, 190));
    p.drawEllipse(ring(frontX, 58, 96));
    p.setBrush(QColor(18, 18, 18));
    for (double angle : {45.0, 135.0, 225.0, 315.0}) {
        const double a = angle * M_PI / 180;
        p.drawEllipse(QPointF(frontX + 53 * std::cos(a), frontY - 90 * std::sin(a)), 2.0, 3.0);
    }
}

void drawSurround(QPainter& p) {
    QRadialGradient roll(frontX - 6, frontY - 10, 80);
    roll.setColorAt(0.55, QColor(12, 12, 12));
    roll.setColorAt(0.8, QColor(70, 68, 66));
    roll.setColorAt(1, QColor(14, 14, 14));
    p.setPen(QPen(QColor(8, 8, 8), 1));
    p.setBrush(roll);
    p.drawEllipse(ring(frontX - 1, 51, 86));
}

void drawCone(QPainter& p) {
    QRadialGradient paper(frontX - 12, frontY, 60, frontX - 22, frontY - 8);
    paper.setColorAt(0, QColor(8, 8, 8));
    paper.setColorAt(0.5, QColor(34, 33, 32));
    paper.setColorAt(1, QColor(78, 76, 74));
    p.setPen(QPen(QColor(5, 5, 5), 1));
    p.setBrush(paper);
    p.drawEllipse(ring(frontX - 2, 42, 72));
}

void drawDustCap(QPainter& p) {
    QRadialGradient dome(frontX - 14, frontY - 10, 26, frontX - 18, frontY - 14);
    dome.setColorAt(0, QColor(150, 148, 146));
    dome.setColorAt(0.5, QColor(50, 49, 48));
    dome.setColorAt(1, QColor(14, 14, 14));
    p.setPen(QPen(QColor(4, 4, 4), 1));
    p.setBrush(dome);
    p.drawEllipse(ring(frontX - 12, 15, 25));
}

}  // namespace

QImage speakerImage(bool coneFacingRight) {
    QImage canvas(168, 199, QImage::Format_RGB32);
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    drawBackground(p);
    drawMagnet(p);
    drawBasket(p);
    drawFrontRim(p);
    drawSurround(p);
    drawCone(p);
    drawDustCap(p);
    p.end();
    if (!coneFacingRight) canvas = canvas.mirrored(true, false);
    return toPalette(canvas);
}
