#include <QPainter>
#include <QPainterPath>

#include "images.h"
#include "palette.h"

namespace {

const QColor ink(0, 0, 0);
const QColor skin(240, 190, 150);
const QColor grey(160, 160, 160);

void drawFace(QPainter& p) {
    p.setPen(QPen(ink, 2));
    p.setBrush(skin);
    p.drawEllipse(QRectF(18, 60, 14, 24));
    p.drawEllipse(QRectF(113, 60, 14, 24));
    p.drawEllipse(QRectF(28, 34, 89, 108));
}

void drawHat(QPainter& p) {
    p.setPen(QPen(ink, 1));
    p.setBrush(ink);
    p.drawEllipse(QRectF(4, 36, 137, 22));
    QPainterPath crown;
    crown.moveTo(34, 48);
    crown.cubicTo(30, 2, 115, 2, 111, 48);
    crown.closeSubpath();
    p.drawPath(crown);
}

void drawFeatures(QPainter& p) {
    p.setPen(QPen(ink, 1));
    p.setBrush(ink);
    for (double x : {40.0, 78.0}) {
        QPainterPath brow;
        brow.moveTo(x, 70);
        for (int i = 0; i <= 6; ++i) brow.lineTo(x + i * 4.5, 60 + (i % 2) * 4);
        brow.lineTo(x + 27, 72);
        brow.closeSubpath();
        p.drawPath(brow);
    }
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(45, 74, 14, 10));
    p.drawEllipse(QRectF(86, 74, 14, 10));
    p.setBrush(ink);
    p.drawEllipse(QRectF(50, 76, 6, 6));
    p.drawEllipse(QRectF(89, 76, 6, 6));
    p.setPen(QPen(ink, 2));
    p.setBrush(QColor(228, 160, 130));
    p.drawEllipse(QRectF(58, 74, 30, 38));
    p.setPen(QPen(ink, 1));
    p.setBrush(ink);
    QPainterPath moustache;
    moustache.moveTo(72, 108);
    moustache.cubicTo(52, 100, 36, 112, 34, 126);
    moustache.cubicTo(50, 118, 62, 124, 72, 118);
    moustache.cubicTo(82, 124, 94, 118, 110, 126);
    moustache.cubicTo(108, 112, 92, 100, 72, 108);
    p.drawPath(moustache);
    p.setPen(QPen(ink, 2));
    p.drawLine(QPointF(62, 130), QPointF(82, 130));
}

}  // namespace

QImage portraitImage() {
    QImage canvas(145, 151, QImage::Format_RGB32);
    canvas.fill(grey);
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    drawFace(p);
    drawHat(p);
    drawFeatures(p);
    p.end();
    return toPalette(canvas);
}
