#include <QAbstractProxyModel>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>

#include "form_test_support.h"
#include "formkit/file_dialog.h"

using namespace testing_support;

// What the desktop brings: a clipboard whose content arrives as plain text or not at all and never
// takes the program down; Qt's own texts, in Serbian.
class DesktopTest : public QObject {
    Q_OBJECT

    // Data with the given text (none if null) and markup.
    static QMimeData* data(const QString& text = {}, const QString& html = {}) {
        auto* data = new QMimeData;
        if (!html.isEmpty()) data->setHtml(html);
        if (!text.isNull()) data->setText(text);
        return data;
    }
    // A drop on an editable text: whether its drag was welcome.
    static bool drop(QTextEdit* edit, QMimeData* data) {
        const QPoint at = edit->viewport()->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(edit->viewport(), &enter);
        QDropEvent dropped(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(edit->viewport(), &dropped);
        return enter.isAccepted();
    }
    // The texts of a menu's items and submenus, without their shortcuts.
    static QString textsOf(const QMenu* menu) {
        QString texts;
        for (const QAction* action : menu->actions())
            texts += ' ' + action->text().section('\t', 0, 0) + (action->menu() ? textsOf(action->menu()) : "");
        return texts;
    }
    static void verifySerbian(QString texts, const char* where) {
        static const QRegularExpression english(
            "\\b(undo|redo|cut|copy|paste|delete|select|all|link|restore|move|size|stay|top|minimize|maximize|close|"
            "scroll|here|edge|page|left|right|up|down|bottom|insert|menu|help|shade|ok)\\b",
            QRegularExpression::CaseInsensitiveOption);
        texts.remove('&');
        QVERIFY2(texts.contains(QRegularExpression("\\w")) && !texts.contains(english), qPrintable(where + texts));
    }

private slots:
    // Nothing on the clipboard, not even an empty text: every text of every form stays.
    void emptyClipboardLeavesEveryTextAsItWas() {
        Program program;
        for (const forms::MenuRow& row : forms::menuRows()) {
            if (!row.form) continue;
            for (QWidget* widget : program.window->showForm(*row.form)->findChildren<QWidget*>()) {
                auto* line = qobject_cast<QLineEdit*>(widget);
                auto* edit = qobject_cast<QTextEdit*>(widget);
                if (!line && !edit) continue;
                const QString before = line ? line->text() : edit->toPlainText();
                QGuiApplication::clipboard()->setMimeData(data());
                widget->window()->activateWindow();
                widget->setFocus();
                if (line) line->end(false);  // a paste replaces a selection
                QTest::keyClick(widget, Qt::Key_V, Qt::ControlModifier);
                if (edit) edit->paste();
                QCOMPARE(line ? line->text() : edit->toPlainText(), before);
            }
        }
    }
    // Characters that show nothing or turn the text round, pasted into a field, are quoted by their
    // code, so that what the warning shows is what a screen reader says; a code is never cut in half.
    void pastedControlCharactersAreQuotedByTheirCode() {
        Program program;
        QWidget* bas = program.choose("mnuBas");
        for (const QString& pasted : {QString::fromUtf16(u"5\0\u200F0", 4), QString(35, 'a') + QChar(0x202E) + "bc"}) {
            QGuiApplication::clipboard()->setText(pasted);
            field(bas, "Text1")->selectAll();
            QTest::keyClick(field(bas, "Text1"), Qt::Key_V, Qt::ControlModifier);
            press(bas, "cmdIzracunaj6db");
        }
        QCOMPARE(program.warner.messages,
                 (QStringList{"U polju Fp (prelomna frekvencija) nije broj: \"5<U+0000><U+200F>0\".",
                              "U polju Fp (prelomna frekvencija) nije broj: \"" + QString(35, 'a') + "...\"."}));
    }
    // Formatted data arrives as its plain text; a drag without text is refused from the start.
    void onlyPlainTextComesIn() {
        Program program;
        QTextEdit* note = formkit::control<QTextEdit>(program.choose("mnuKalem"), "Text5");
        note->moveCursor(QTextCursor::End);
        QGuiApplication::clipboard()->setMimeData(data("100W", "<b>100W</b>"));
        QTest::keyClick(note, Qt::Key_V, Qt::ControlModifier);
        QVERIFY(note->toPlainText().endsWith("kvadratnom\n100W"));
        const QString before = note->toPlainText();
        std::unique_ptr<QMimeData> picture(data()), formatted(data("5A", "<i>5A</i>"));
        picture->setImageData(QImage(4, 4, QImage::Format_RGB32));
        QVERIFY(!drop(note, picture.get()));
        QCOMPARE(note->toPlainText(), before);
        QVERIFY(drop(note, formatted.get()));
        QCOMPARE(note->toPlainText().size(), before.size() + 2);
        QVERIFY(!note->toHtml().contains("font-weight:700") && !note->toHtml().contains("font-style:italic"));
    }
    // A pasted page of several megabytes arrives whole, in a field up to its length limit, without
    // a wait that grows with the square of its size.
    void severalMegabytesPasteInTime() {
        Program program;
        const QString page = QString("1234567,89 Hz <b>x</b>\n").repeated(200'000);
        QTextEdit* note = formkit::control<QTextEdit>(program.choose("mnuKalem"), "Text5");
        note->clear();
        QGuiApplication::clipboard()->setMimeData(data(page));
        QElapsedTimer timer;
        timer.start();
        QTest::keyClick(note, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(note->toPlainText(), page);
        QLineEdit* fp = field(program.choose("mnuBas"), "Text1");
        fp->clear();
        QTest::keyClick(fp, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(fp->text().size(), fp->maxLength());
        QVERIFY2(timer.elapsed() < 30'000, qPrintable(QString::number(timer.elapsed())));
    }

    // Qt's own texts: the menus of a field, of the note and of its scroll bar (which Qt opens and runs
    // itself, so it is read while open), the child window's menu. (The file dialog is read as a screen
    // reader hears it, in the end-to-end walk.)
    void qtSpeaksSerbian() {
        Program program;
        std::unique_ptr<QMenu> fieldMenu(field(program.choose("mnuBas"), "Text1")->createStandardContextMenu());
        verifySerbian(textsOf(fieldMenu.get()), "field");
        QTextEdit* note = formkit::control<QTextEdit>(program.choose("mnuKalem"), "Text5");
        std::unique_ptr<QMenu> noteMenu(note->createStandardContextMenu());
        verifySerbian(textsOf(noteMenu.get()), "coil note");
        QString scrollTexts;
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            scrollTexts = menu ? textsOf(menu) : QString();
            if (menu) menu->close();
        });
        QContextMenuEvent asked(QContextMenuEvent::Mouse, {5, 40},
                                note->verticalScrollBar()->mapToGlobal(QPoint(5, 40)));
        QApplication::sendEvent(note->verticalScrollBar(), &asked);
        verifySerbian(scrollTexts, "scroll bar");
        QMenu* system = program.window->mdiArea()->activeSubWindow()->systemMenu();
        verifySerbian(textsOf(system), "system menu");
        QCOMPARE(system->actions().last()->text(), QString("&Zatvori"));
    }
    // The program's file dialog writes sizes and types in Serbian, in the Latin script, whatever the
    // system's locale would write them in.
    void fileDialogWritesSizesAndTypesInSerbian() {
        QTemporaryDir dir;
        QFile picture(dir.filePath("odziv.png"));
        QVERIFY(picture.open(QIODevice::WriteOnly) && picture.write(QByteArray(2600, 'x')) == 2600);
        picture.close();
        QVERIFY(QDir(dir.path()).mkdir("merenja"));
        QWidget parent;
        QFileDialog* dialog = formkit::fileDialog(&parent, "", dir.path(), "", QFileDialog::AcceptOpen);
        const auto* files = static_cast<const QFileSystemModel*>(dialog->proxyModel()->sourceModel());
        const auto cell = [&](const char* name, int column) {
            const QModelIndex file = dialog->proxyModel()->mapFromSource(files->index(dir.filePath(name)));
            return file.siblingAtColumn(column).data().toString();
        };
        QTRY_COMPARE(cell("odziv.png", 1) + "|" + cell("odziv.png", 2) + "|" + cell("merenja", 2),
                     QString("2,5 KB|Slika PNG|Fascikla"));
    }
    // The warning box shows markup as the characters typed, and its button speaks Serbian.
    void warningBoxShowsPlainText() {
        Program program;
        const QString message = "U polju Fp nije broj: \"<img src=/etc/hostname><font size=7>abc\".";
        QString seen;  // format, text and button, read before the box is closed
        QTimer::singleShot(0, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                seen = QString("%1|%2|%3").arg(box->textFormat()).arg(box->text(), box->buttons().value(0)->text());
                box->accept();
            }
        });
        formkit::MessageBoxWarner().warn(program.window.get(), message);
        QCOMPARE(seen, QString("%1|%2|U redu").arg(Qt::PlainText).arg(message));
    }
};

QTEST_MAIN(DesktopTest)
#include "tst_desktop.moc"
