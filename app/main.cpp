#include <QApplication>

#include "forms/failure.h"
#include "forms/main_window.h"
#include "forms/region.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tav20"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    QApplication::setDesktopFileName(QStringLiteral("tav20"));

    forms::MessageBoxPresenter presenter;
    forms::MainWindow window({presenter, forms::userRegion});
    window.showMaximized();
    return app.exec();
}
