#include <QFileDialog>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextEdit>
#include <QTimer>

#include "form_test_support.h"
#include "forms/forms.h"

using namespace testing_support;

// Qt's own texts that a user meets, in the project's Serbian: context menus,
// the child windows' system menu and the tooltips of their title-bar buttons.
class SerbianTest : public QObject {
    Q_OBJECT

    // The words of a menu's items and submenus, without mnemonics and shortcuts.
    static QStringList wordsOf(const QMenu* menu) {
        QStringList words;
        for (const QAction* action : menu->actions()) {
            words
                << action->text().section('\t', 0, 0).remove('&').split(QRegularExpression("\\W+"), Qt::SkipEmptyParts);
            if (action->menu()) words << wordsOf(action->menu());
        }
        return words;
    }
    static QStringList wordsOf(const QString& text) {
        return text.split(QRegularExpression("\\W+"), Qt::SkipEmptyParts);
    }
    static void verifySerbian(const QStringList& words, const char* where) {
        static const QStringList english{"undo",  "redo",    "cut",    "copy", "paste",    "delete",   "select", "all",
                                         "link",  "restore", "move",   "size", "minimize", "maximize", "stay",   "top",
                                         "close", "scroll",  "here",   "edge", "page",     "left",     "right",  "up",
                                         "down",  "bottom",  "insert", "menu", "help",     "shade",    "down",   "ok"};
        QVERIFY2(!words.isEmpty(), where);
        for (const QString& word : words)
            QVERIFY2(!english.contains(word.toLower()), qPrintable(QString("%1: %2").arg(where, word)));
    }
    // A context menu that Qt opens and runs itself: its words, read while it is open.
    static QStringList popupWords(QWidget* widget, QPoint at) {
        QStringList words;
        QTimer::singleShot(0, [&] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                words = wordsOf(menu);
                menu->close();
            }
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, widget->mapToGlobal(at));
        QApplication::sendEvent(widget, &event);
        QTest::qWait(20);
        if (words.isEmpty())
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                words = wordsOf(menu);
                menu->close();
            }
        return words;
    }
private slots:
    void contextMenusOfTexts() {
        Program program;
        std::unique_ptr<QMenu> field(
            forms::control<QLineEdit>(program.window->showForm(forms::frmBas), "Text1")->createStandardContextMenu());
        verifySerbian(wordsOf(field.get()), "field");
        auto* text = forms::control<QTextEdit>(program.window->showForm(forms::frmKalem), "Text5");
        std::unique_ptr<QMenu> editable(text->createStandardContextMenu());
        verifySerbian(wordsOf(editable.get()), "coil text");
        verifySerbian(popupWords(text->verticalScrollBar(), {5, 40}), "scroll bar");
        auto* about = forms::control<QTextEdit>(program.window->showForm(forms::frmAutor), "Text1");
        std::unique_ptr<QMenu> readOnly(about->createStandardContextMenu());
        verifySerbian(wordsOf(readOnly.get()), "about text");
    }
    void contextMenuOfAResult() {
        Program program;
        QWidget* bas = program.window->showForm(forms::frmBas);
        press(bas, "cmdIzracunaj6db");
        verifySerbian(popupWords(label(bas, "Label11"), {10, 5}), "result");
    }
    // The file dialog that saves the response's picture, when Qt draws it itself.
    void fileDialog() {
        Program program;
        QFileDialog dialog(program.window.get());
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.show();
        QStringList words;
        for (const QLabel* label : dialog.findChildren<QLabel*>()) words << wordsOf(label->text().remove('&'));
        for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
            words << wordsOf(button->text().remove('&')) << wordsOf(button->toolTip());
        for (const QHeaderView* header : dialog.findChildren<QHeaderView*>())
            for (int section = 0; section < header->count(); ++section)
                words << wordsOf(header->model()->headerData(section, Qt::Horizontal).toString());
        verifySerbian(words, "file dialog");
    }
    void childWindowMenuAndButtons() {
        Program program;
        program.window->showForm(forms::frmBas);
        QMdiSubWindow* sub = program.window->mdiArea()->activeSubWindow();
        verifySerbian(wordsOf(sub->systemMenu()), "system menu");
        QVERIFY(sub->systemMenu()->actions().last()->text() == "&Zatvori");
    }
};

QTEST_MAIN(SerbianTest)
#include "tst_serbian.moc"
