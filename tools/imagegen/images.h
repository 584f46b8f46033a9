#pragma once

#include <QImage>
#include <QString>
#include <vector>

struct NamedImage {
    QString file;
    QImage image;
};

QImage iconImage();
QImage speakerImage(bool coneFacingRight);
QImage portraitImage();
QImage coilImage();
std::vector<NamedImage> schematicImages();
