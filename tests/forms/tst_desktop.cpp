#include <QClipboard>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextEdit>
#include <QTimer>

#include "form_test_support.h"

using namespace testing_support;

// What the desktop brings: a clipboard whose content arrives as plain text or not at all and never
// takes the program down; Qt's own texts, which must speak Serbian; and on a real X server, real keys.
class DesktopTest : public QObject {
    Q_OBJECT

    static QMimeData* clipboardData(const QString& text, const QString& html = {}) {
        auto* data = new QMimeData;
        if (!html.isEmpty()) data->setHtml(html);
        data->setText(text);
        return data;
    }
    static void putOnClipboard(QMimeData* data, QClipboard::Mode mode = QClipboard::Clipboard) {
        QGuiApplication::clipboard()->setMimeData(data, mode);
    }
    static QTextEdit* text(const Program& program, const char* command, const char* name) {
        return forms::control<QTextEdit>(program.choose(command), name);
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
    // The words of a menu, or of a text, without mnemonics and shortcuts; none may be English.
    static QStringList wordsOf(const QString& text) {
        return text.section('\t', 0, 0).remove('&').split(QRegularExpression("\\W+"), Qt::SkipEmptyParts);
    }
    static QStringList wordsOf(const QMenu* menu) {
        QStringList words;
        for (const QAction* action : menu->actions())
            words << wordsOf(action->text()) << (action->menu() ? wordsOf(action->menu()) : QStringList());
        return words;
    }
    static void verifySerbian(const QStringList& words, const char* where) {
        static const QRegularExpression english(
            "^(undo|redo|cut|copy|paste|delete|select|all|link|restore|move|size|stay|top|minimize|maximize|close|"
            "scroll|here|edge|page|left|right|up|down|bottom|insert|menu|help|shade|ok)$",
            QRegularExpression::CaseInsensitiveOption);
        QVERIFY2(!words.isEmpty(), where);
        QVERIFY2(words.filter(english).isEmpty(), qPrintable(QString(where) + ": " + words.filter(english).join(' ')));
    }
    // The words of a context menu that Qt opens and runs itself, read while it is open.
    static QStringList popupWords(QWidget* widget, QPoint at) {
        QStringList words;
        const auto read = [&] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                words = wordsOf(menu);
                menu->close();
            }
        };
        QTimer::singleShot(0, read);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, widget->mapToGlobal(at));
        QApplication::sendEvent(widget, &event);
        QTest::qWait(20);
        if (words.isEmpty()) read();
        return words;
    }
    static void typeKeys(const QStringList& keys) {
        for (const QString& key : keys) {
            QCOMPARE(QProcess::execute("xdotool", {"key", "--clearmodifiers", key}), 0);
            QTest::qWait(50);
        }
    }
    static QString activeForm(const Program& program) {
        QMdiSubWindow* active = program.window->mdiArea()->activeSubWindow();
        return active ? active->widget()->objectName() : QString();
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
                putOnClipboard(new QMimeData);
                widget->window()->activateWindow();
                widget->setFocus();
                if (line) line->end(false);  // a paste replaces a selection
                QTest::keyClick(widget, Qt::Key_V, Qt::ControlModifier);
                if (edit) edit->paste();
                QCOMPARE(line ? line->text() : edit->toPlainText(), before);
            }
        }
    }
    // Formatted data arrives as its plain text; a drag without text is refused from the start.
    void onlyPlainTextComesIn() {
        Program program;
        QTextEdit* note = text(program, "mnuKalem", "Text5");
        note->moveCursor(QTextCursor::End);
        putOnClipboard(clipboardData("100W", "<b>100W</b>"));
        QTest::keyClick(note, Qt::Key_V, Qt::ControlModifier);
        QVERIFY(note->toPlainText().endsWith("kvadratnom\n100W"));
        const QString before = note->toPlainText();
        QMimeData picture;
        picture.setImageData(QImage(4, 4, QImage::Format_RGB32));
        QVERIFY(!drop(note, &picture));
        QCOMPARE(note->toPlainText(), before);
        std::unique_ptr<QMimeData> formatted(clipboardData("5A", "<i>5A</i>"));
        QVERIFY(drop(note, formatted.get()));
        QCOMPARE(note->toPlainText().size(), before.size() + 2);
        QVERIFY(!note->toHtml().contains("font-weight:700") && !note->toHtml().contains("font-style:italic"));
    }
    // The middle button pastes the X selection, which can be as empty as the clipboard.
    void middleButtonPastesTheSelection() {
        if (!QGuiApplication::clipboard()->supportsSelection()) QSKIP("no selection on this platform");
        Program program;
        QTextEdit* note = text(program, "mnuKalem", "Text5");
        const QString before = note->toPlainText();
        putOnClipboard(new QMimeData, QClipboard::Selection);
        QTest::mouseClick(note->viewport(), Qt::MiddleButton, {}, {5, 5});
        QCOMPARE(note->toPlainText(), before);
        putOnClipboard(clipboardData("Fi"), QClipboard::Selection);
        QTest::mouseClick(note->viewport(), Qt::MiddleButton, {}, {5, 5});
        QCOMPARE(note->toPlainText().size(), before.size() + 2);
    }
    // A pasted page of several megabytes arrives whole, in a field up to its length limit, without
    // a wait that grows with the square of its size.
    void severalMegabytesPasteInTime() {
        Program program;
        const QString page = QString("1234567,89 Hz <b>x</b>\n").repeated(200'000);
        QTextEdit* note = text(program, "mnuKalem", "Text5");
        note->clear();
        putOnClipboard(clipboardData(page));
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

    void contextMenusSpeakSerbian() {
        Program program;
        QWidget* bas = program.choose("mnuBas");
        std::unique_ptr<QMenu> fieldMenu(field(bas, "Text1")->createStandardContextMenu());
        verifySerbian(wordsOf(fieldMenu.get()), "field");
        QTextEdit* note = text(program, "mnuKalem", "Text5");
        std::unique_ptr<QMenu> editable(note->createStandardContextMenu());
        verifySerbian(wordsOf(editable.get()), "coil note");
        verifySerbian(popupWords(note->verticalScrollBar(), {5, 40}), "scroll bar");
        QMenu* system = program.window->mdiArea()->activeSubWindow()->systemMenu();  // the coil form's
        verifySerbian(wordsOf(system), "system menu");
        QCOMPARE(system->actions().last()->text(), QString("&Zatvori"));
    }
    // The file dialog that saves the response's picture, when Qt draws it itself.
    void fileDialogSpeaksSerbian() {
        Program program;
        QFileDialog dialog(program.window.get());
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.show();
        QStringList words;
        for (const QLabel* label : dialog.findChildren<QLabel*>()) words << wordsOf(label->text());
        for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
            words << wordsOf(button->text()) << wordsOf(button->toolTip());
        verifySerbian(words, "file dialog");
    }
    // The warning box shows markup as the characters typed, and its button speaks Serbian.
    void warningBoxShowsPlainText() {
        Program program;
        forms::MessageBoxPresenter presenter;
        const QString message = "U polju Fp nije broj: \"<img src=/etc/hostname><font size=7>abc\".";
        QString shownText, button;
        Qt::TextFormat format = Qt::AutoText;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            shownText = box->text();
            format = box->textFormat();
            button = box->buttons().value(0)->text();
            box->accept();
        });
        presenter.warn(program.window.get(), message);
        QCOMPARE(format, Qt::PlainText);
        QCOMPARE(shownText, message);
        QCOMPARE(button, QString("U redu"));
    }

    // Real keys: Alt+T then B opens the woofer, Tab and the space bar press its button, Alt+K opens
    // a command of the bar directly, and Alt+F then I ends the program.
    void realKeysDriveTheProgram() {
        if (QGuiApplication::platformName() != "xcb") QSKIP("real keys need an X server");
        Program program;
        QCOMPARE(QProcess::execute("xdotool", {"windowfocus", "--sync", QString::number(program.window->winId())}), 0);
        QVERIFY(QTest::qWaitForWindowActive(program.window.get()));  // Xvfb has no window manager to do it
        typeKeys({"alt+t", "b"});
        QTRY_COMPARE(activeForm(program), QString("frmBas"));
        QWidget* bas = program.window->mdiArea()->activeSubWindow()->widget();
        QTRY_COMPARE(QApplication::focusWidget(), field(bas, "Text1"));
        typeKeys({"Tab", "Tab", "space"});
        QTRY_COMPARE(label(bas, "Label11")->text(), QString(" L = 1,27mH"));
        typeKeys({"alt+k"});
        QTRY_COMPARE(activeForm(program), QString("frmKalem"));
        typeKeys({"alt+f", "i"});
        QTRY_VERIFY(!program.window->isVisible());
    }
};

QTEST_MAIN(DesktopTest)
#include "tst_desktop.moc"
