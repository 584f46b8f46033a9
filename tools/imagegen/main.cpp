#include <QDir>
#include <QImage>
#include <cstdio>

#include "images.h"

// Usage: imagegen <output directory>. Writes every bitmap of the program there.
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
    for (const NamedImage& named : images) {
        const QString path = dir.filePath(named.file);
        if (!named.image.save(path, "PNG")) {
            std::fprintf(stderr, "imagegen: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
