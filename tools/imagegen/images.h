#pragma once

#include <QImage>
#include <QString>
#include <vector>

struct NamedImage {
    QString file;
    QImage image;
};

// The program's icon, 32 pixels as drawn for it; at another size and as SVG, the same design
// for the desktop's icon theme.
QImage iconImage();
QImage iconImage(int size);
QByteArray iconSvg();
QImage speakerImage(bool coneFacingRight);
QImage portraitImage();
QImage coilImage();
std::vector<NamedImage> schematicImages();
