// The yardsticks for the program's start-up: the least a Qt Widgets MDI frame
// does before its window is mapped, built once bare and once with a menu bar
// like the program's, whose text is the first to need the fonts.
#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenuBar>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QMdiArea(&window));
#ifdef WITH_MENU
    for (const char* title : {"&File", "&TipSkretnice", "&Kalem", "&Zica", "&Autor"})
        window.menuBar()->addMenu(QString::fromLatin1(title));
#endif
    window.showMaximized();
    return app.exec();
}
