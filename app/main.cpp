#include <QApplication>

#include "app/command_line.h"
#include "app/response_module.h"
#include "formkit/region.h"
#include "formkit/warner.h"
#include "forms/korekcija/korekcija_window.h"
#include "forms/main_window.h"
#include "forms/namotaj/namotaj_window.h"

int main(int argc, char* argv[]) {
    const QStringList arguments(argv, argv + argc);
    if (const auto reply = cli::replyBeforeWindow(arguments)) return cli::print(*reply);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tav20"));
    QApplication::setApplicationVersion(QStringLiteral(TAV20_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("tav20"));

    formkit::MessageBoxWarner warner;
    forms::MainWindow window(
        {warner, formkit::userRegion},
        {responseWindow(warner), namotaj::frmNamotaj, korekcija::frmKorekcija});
    window.showMaximized();
    // A project that cannot be opened is told, and the program starts as without it.
    if (const QString project = cli::projectToOpen(arguments); !project.isEmpty())
        window.projectFile().open(project);
    return app.exec();
}
