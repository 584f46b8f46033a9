#include <QApplication>

#include "app/command_line.h"
#include "app/response_module.h"
#include "forms/failure.h"
#include "forms/main_window.h"
#include "forms/region.h"

int main(int argc, char* argv[]) {
    if (const auto reply = cli::replyBeforeWindow(QStringList(argv, argv + argc)))
        return cli::print(*reply);
    QApplication app(argc, argv);
    if (const auto reply = cli::replyToLeftovers(QApplication::arguments()))
        return cli::print(*reply);
    QApplication::setApplicationName(QStringLiteral("Tav20"));
    QApplication::setApplicationVersion(QStringLiteral(TAV20_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("tav20"));

    forms::MessageBoxPresenter presenter;
    forms::MainWindow window({presenter, forms::userRegion}, responseWindow(presenter));
    window.showMaximized();
    return app.exec();
}
