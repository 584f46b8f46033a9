// Prints the decimal separator and the table face that the program takes from
// the system, and fails unless they are the expected ones.
// usage: windows_settings DECIMAL FACE   e.g. windows_settings , "MS Sans Serif"
#include <QApplication>
#include <cstdio>
#include <string>

#include "formkit/fonts.h"
#include "formkit/region.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: windows_settings DECIMAL FACE\n");
        return 2;
    }
    const std::string decimal = formkit::userRegion().decimal;
    const QString face = formkit::tableFace();
    std::printf("decimal '%s', face '%s'\n", decimal.c_str(), qPrintable(face));
    return decimal == argv[1] && face == QString::fromLocal8Bit(argv[2]) ? 0 : 1;
}
