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
    std::vector<NamedImage> images = {{"icon.png", iconImage()}};
    // Each picture also at 2 and 3 times the density, drawn anew, for screens scaled that far.
    for (const int scale : {1, 2, 3}) {
        const QString suffix = densitySuffix(scale);
        if (scale > 1) images.push_back({"icon" + suffix, iconImage(32 * scale)});
        images.push_back({"speaker_right" + suffix, speakerImage(true, scale)});
        images.push_back({"speaker_left" + suffix, speakerImage(false, scale)});
        images.push_back({"portrait" + suffix, portraitImage(scale)});
        images.push_back({"kalem" + suffix, coilImage(scale)});
        for (NamedImage& schematic : schematicImages(scale)) images.push_back(std::move(schematic));
    }
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
