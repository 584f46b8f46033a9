#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

#include "images.h"
#include "palette.h"

namespace {

const QColor ink(0, 0, 0);
const QColor skin(243, 196, 158);
const QColor skinShade(214, 154, 120);
const QColor outline(20, 14, 10);

void drawGround(QPainter& p) {
    QLinearGradient g(0, 0, 0, 151);
    g.setColorAt(0, QColor(176, 176, 176));
    g.setColorAt(1, QColor(140, 140, 140));
    p.fillRect(QRectF(0, 0, 145, 151), g);
}

void drawCoat(QPainter& p) {
    p.setPen(QPen(outline, 2));
    p.setBrush(QColor(70, 62, 88));
    QPainterPath coat;
    coat.moveTo(8, 152);
    coat.cubicTo(14, 138, 34, 132, 56, 130);
    coat.lineTo(90, 130);
    coat.cubicTo(112, 132, 132, 138, 138, 152);
    coat.closeSubpath();
    p.drawPath(coat);
    p.setBrush(Qt::white);
    QPainterPath collar;
    collar.moveTo(54, 130);
    collar.lineTo(73, 152);
    collar.lineTo(92, 130);
    collar.lineTo(84, 126);
    collar.lineTo(73, 140);
    collar.lineTo(62, 126);
    collar.closeSubpath();
    p.drawPath(collar);
    p.setBrush(skin);
    p.drawRect(QRectF(60, 118, 26, 12));
}

void drawHead(QPainter& p) {
    p.setPen(QPen(outline, 2));
    p.setBrush(skin);
    p.drawEllipse(QRectF(22, 64, 16, 28));
    p.drawEllipse(QRectF(107, 64, 16, 28));
    QRadialGradient face(70, 80, 60, 62, 70);
    face.setColorAt(0, skin.lighter(104));
    face.setColorAt(0.75, skin);
    face.setColorAt(1, skinShade);
    p.setBrush(face);
    QPainterPath head;
    head.moveTo(32, 56);
    head.cubicTo(30, 96, 40, 132, 73, 134);
    head.cubicTo(106, 132, 116, 96, 113, 56);
    head.closeSubpath();
    p.drawPath(head);
    p.setPen(Qt::NoPen);
    for (double x : {46.0, 100.0}) {
        QRadialGradient blush(x, 100, 12);
        blush.setColorAt(0, QColor(235, 110, 100, 120));
        blush.setColorAt(1, QColor(235, 110, 100, 0));
        p.setBrush(blush);
        p.drawEllipse(QPointF(x, 100), 12, 10);
    }
}

void drawHat(QPainter& p) {
    p.setPen(QPen(ink, 1));
    QLinearGradient brim(0, 38, 0, 62);
    brim.setColorAt(0, QColor(52, 52, 56));
    brim.setColorAt(0.5, QColor(10, 10, 12));
    brim.setColorAt(1, QColor(0, 0, 0));
    p.setBrush(brim);
    p.drawEllipse(QRectF(2, 38, 141, 24));
    QLinearGradient crown(30, 0, 115, 0);
    crown.setColorAt(0, QColor(0, 0, 0));
    crown.setColorAt(0.3, QColor(44, 44, 48));
    crown.setColorAt(1, QColor(0, 0, 0));
    p.setBrush(crown);
    QPainterPath dome;
    dome.moveTo(32, 50);
    dome.cubicTo(28, 14, 48, 4, 73, 4);
    dome.cubicTo(98, 4, 118, 14, 113, 50);
    dome.cubicTo(90, 56, 56, 56, 32, 50);
    p.drawPath(dome);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 60, 64));
    QPainterPath band;
    band.moveTo(31, 40);
    band.cubicTo(56, 46, 90, 46, 114, 40);
    band.lineTo(113, 48);
    band.cubicTo(90, 54, 56, 54, 32, 48);
    band.closeSubpath();
    p.drawPath(band);
}

// Bushy brows: a thick arch with hairs sticking out of it at uneven angles.
void drawEyebrows(QPainter& p) {
    for (double side : {-1.0, 1.0}) {
        const double cx = 73 + side * 20;
        auto arch = [&](double t) {
            return QPointF(cx - side * 15 + side * 30 * t, 67 - 7 * std::sin(std::numbers::pi * t));
        };
        QPainterPath base;
        base.moveTo(arch(0));
        for (int i = 1; i <= 10; ++i) base.lineTo(arch(i / 10.0));
        p.setPen(QPen(ink, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(base);
        p.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i <= 16; ++i) {
            const double t = i / 16.0;
            const QPointF root = arch(t);
            const double up = (i % 2 ? 1 : -0.6) * (4 + (i * 7 % 5));
            const double lean = side * ((i * 5 % 7) - 2);
            p.drawLine(root, root + QPointF(lean, -up));
        }
    }
}

void drawEyes(QPainter& p) {
    for (double cx : {53.0, 93.0}) {
        p.setPen(QPen(outline, 1.5));
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(cx, 78), 8, 6);
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawEllipse(QPointF(cx + 2, 79), 3.2, 3.6);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(cx + 3, 77.5), 1, 1);
    }
}

void drawNose(QPainter& p) {
    QRadialGradient bulb(70, 94, 22, 64, 88);
    bulb.setColorAt(0, QColor(250, 200, 180));
    bulb.setColorAt(0.6, QColor(232, 150, 128));
    bulb.setColorAt(1, QColor(200, 112, 96));
    p.setPen(QPen(outline, 2));
    p.setBrush(bulb);
    QPainterPath nose;
    nose.moveTo(66, 72);
    nose.cubicTo(64, 82, 52, 92, 54, 104);
    nose.cubicTo(56, 116, 90, 116, 92, 104);
    nose.cubicTo(94, 92, 82, 82, 80, 72);
    p.drawPath(nose);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 40, 30));
    p.drawEllipse(QPointF(66, 109), 3, 2);
    p.drawEllipse(QPointF(80, 109), 3, 2);
    p.setBrush(QColor(255, 240, 230));
    p.drawEllipse(QPointF(64, 95), 3, 4);
}

void drawMoustache(QPainter& p) {
    p.setPen(QPen(ink, 1));
    p.setBrush(ink);
    QPainterPath m;
    m.moveTo(73, 110);
    m.cubicTo(60, 104, 44, 106, 34, 114);
    m.cubicTo(28, 119, 26, 124, 22, 122);
    m.cubicTo(26, 130, 40, 128, 46, 124);
    m.lineTo(50, 127);
    m.lineTo(55, 123);
    m.lineTo(60, 127);
    m.lineTo(65, 122);
    m.lineTo(73, 124);
    m.lineTo(81, 122);
    m.lineTo(86, 127);
    m.lineTo(91, 123);
    m.lineTo(96, 127);
    m.lineTo(100, 124);
    m.cubicTo(106, 128, 120, 130, 124, 122);
    m.cubicTo(120, 124, 118, 119, 112, 114);
    m.cubicTo(102, 106, 86, 104, 73, 110);
    p.drawPath(m);
    p.setPen(QPen(QColor(70, 70, 70), 1));
    p.drawLine(QPointF(42, 114), QPointF(56, 110));
    p.drawLine(QPointF(90, 110), QPointF(104, 114));
}

void drawMouth(QPainter& p) {
    p.setPen(QPen(outline, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath lip;
    lip.moveTo(65, 130);
    lip.quadTo(73, 133, 81, 130);
    p.drawPath(lip);
}

}  // namespace

QImage portraitImage(int scale) {
    QImage canvas(145 * scale, 151 * scale, QImage::Format_RGB32);
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    drawGround(p);
    drawCoat(p);
    drawHead(p);
    drawHat(p);
    drawEyebrows(p);
    drawEyes(p);
    drawNose(p);
    drawMoustache(p);
    drawMouth(p);
    p.end();
    return toPalette(canvas);
}
