#pragma once

#include <QImage>
#include <QString>
#include <vector>

struct NamedImage {
    QString file;
    QImage image;
};

// The end of a picture's file name at `scale` device pixels to each design pixel: Qt takes
// "name@2x.png" in place of "name.png" on a screen of twice the density.
inline QString densitySuffix(int scale) {
    return scale == 1 ? QStringLiteral(".png") : QStringLiteral("@%1x.png").arg(scale);
}

// The program's icon, 32 pixels as drawn for it; at another size and as SVG, the same design
// for the desktop's icon theme and for screens of a higher density.
QImage iconImage();
QImage iconImage(int size);
QByteArray iconSvg();
// The forms' pictures, drawn anew at `scale` times the design's density.
QImage speakerImage(bool coneFacingRight, int scale);
QImage portraitImage(int scale);
QImage coilImage(int scale);
std::vector<NamedImage> schematicImages(int scale);
