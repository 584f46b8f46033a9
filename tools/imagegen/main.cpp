#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <cstdio>

#include "images.h"

// Usage: imagegen <output directory>. Writes every bitmap of the program there, and the
// icon at the sizes of the desktop's icon theme into hicolor/ below it.
int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: imagegen <output directory>\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(".")) {
        std::fprintf(stderr, "imagegen: cannot create %s\n", argv[1]);
        return 1;
    }
    std::vector<NamedImage> images = {
        {"icon.png", iconImage()},
        {"speaker_right.png", speakerImage(true)},
        {"speaker_left.png", speakerImage(false)},
        {"portrait.png", portraitImage()},
        {"kalem.png", coilImage()},
    };
    for (NamedImage& schematic : schematicImages()) images.push_back(std::move(schematic));
    for (const int size : {16, 32, 48, 64, 128, 256})
        images.push_back({QStringLiteral("hicolor/%1x%1/apps/tav20.png").arg(size),
                          size == 32 ? iconImage() : iconImage(size)});
    for (const NamedImage& named : images) {
        const QString path = dir.filePath(named.file);
        if (!dir.mkpath(QFileInfo(path).path()) || !named.image.save(path, "PNG")) {
            std::fprintf(stderr, "imagegen: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    QFile svg(dir.filePath(QStringLiteral("hicolor/scalable/apps/tav20.svg")));
    if (!dir.mkpath(QStringLiteral("hicolor/scalable/apps")) || !svg.open(QIODevice::WriteOnly) ||
        svg.write(iconSvg()) < 0) {
        std::fprintf(stderr, "imagegen: cannot write %s\n", qPrintable(svg.fileName()));
        return 1;
    }
    return 0;
}
