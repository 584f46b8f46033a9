#include <QClipboard>
#include <QElapsedTimer>
#include <QMimeData>
#include <QTextEdit>

#include "form_test_support.h"
#include "forms/menu.h"

using namespace testing_support;

// Whatever the clipboard holds, text arrives in the program's fields as plain
// text or not at all, and never takes the program down.
class PasteTest : public QObject {
    Q_OBJECT

    static QMimeData* clipboardData(const QString& text, const QString& html = {}) {
        auto* data = new QMimeData;
        if (!html.isEmpty()) data->setHtml(html);
        if (!text.isNull()) data->setText(text);
        return data;
    }
    static void putOnClipboard(QMimeData* data, QClipboard::Mode mode = QClipboard::Clipboard) {
        QGuiApplication::clipboard()->setMimeData(data, mode);
    }
    static QTextEdit* coilText(const Program& program) {
        return forms::control<QTextEdit>(program.window->showForm(forms::frmKalem), "Text5");
    }
    static QString textOf(const QWidget* widget) {
        if (auto* line = qobject_cast<const QLineEdit*>(widget)) return line->text();
        return qobject_cast<const QTextEdit*>(widget)->toPlainText();
    }
    // Every text of every form, each form opened once.
    static QList<QWidget*> everyText(const Program& program) {
        QList<QWidget*> texts;
        for (const forms::MenuRow& row : forms::menuRows()) {
            if (!row.form) continue;
            QWidget* form = program.window->showForm(*row.form);
            for (QWidget* text : form->findChildren<QWidget*>())
                if (qobject_cast<QLineEdit*>(text) || qobject_cast<QTextEdit*>(text)) texts << text;
        }
        return texts;
    }
    static void drop(QTextEdit* edit, QMimeData* data) {
        QWidget* target = edit->viewport();
        const QPoint at = target->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QDropEvent dropped(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &dropped);
    }

private slots:
    // Nothing on the clipboard: no format at all, not even an empty text.
    void emptyClipboardLeavesEveryTextAsItWas() {
        Program program;
        for (QWidget* text : everyText(program)) {
            const QString before = textOf(text);
            putOnClipboard(new QMimeData);
            text->window()->activateWindow();
            text->setFocus();
            if (auto* line = qobject_cast<QLineEdit*>(text)) line->end(false);  // a paste replaces a selection
            QTest::keyClick(text, Qt::Key_V, Qt::ControlModifier);
            if (auto* edit = qobject_cast<QTextEdit*>(text)) edit->paste();
            QCOMPARE(textOf(text), before);
        }
    }

    // Formatted data arrives as its plain text; only the editable text takes it.
    void formattedDataPastesAsPlainText() {
        Program program;
        QTextEdit* text = coilText(program);
        text->moveCursor(QTextCursor::End);
        putOnClipboard(clipboardData("100W", "<b>100W</b>"));
        QTest::keyClick(text, Qt::Key_V, Qt::ControlModifier);
        QVERIFY(text->toPlainText().endsWith("kvadratnom\n100W"));
        QVERIFY(!text->toHtml().contains("font-weight:700"));

        auto* about = forms::control<QTextEdit>(program.window->showForm(forms::frmAutor), "Text1");
        const QString aboutText = about->toPlainText();
        about->setFocus();
        QTest::keyClick(about, Qt::Key_V, Qt::ControlModifier);
        about->paste();
        QCOMPARE(about->toPlainText(), aboutText);
    }

    // A drop: data without text is refused, text is inserted plain.
    void dropsTakeOnlyText() {
        Program program;
        QTextEdit* text = coilText(program);
        const QString before = text->toPlainText();
        QMimeData empty;
        drop(text, &empty);
        QCOMPARE(text->toPlainText(), before);
        std::unique_ptr<QMimeData> formatted(clipboardData("5A", "<i>5A</i>"));
        drop(text, formatted.get());
        QCOMPARE(text->toPlainText().size(), before.size() + 2);
        QVERIFY(!text->toHtml().contains("font-style:italic"));
    }

    // The middle button pastes the X selection, which can be as empty as the clipboard.
    void middleButtonPastesTheSelection() {
        if (!QGuiApplication::clipboard()->supportsSelection()) QSKIP("no selection on this platform");
        Program program;
        QTextEdit* text = coilText(program);
        const QString before = text->toPlainText();
        putOnClipboard(new QMimeData, QClipboard::Selection);
        QTest::mouseClick(text->viewport(), Qt::MiddleButton, {}, {5, 5});
        QCOMPARE(text->toPlainText(), before);
        putOnClipboard(clipboardData("Fi"), QClipboard::Selection);
        QTest::mouseClick(text->viewport(), Qt::MiddleButton, {}, {5, 5});
        QCOMPARE(text->toPlainText().size(), before.size() + 2);
    }

    // A pasted page of several megabytes arrives whole, in a field up to its length limit.
    void severalMegabytesPasteInTime() {
        Program program;
        const QString page = QString("1234567,89 Hz <b>x</b>\n").repeated(200'000);
        QTextEdit* text = coilText(program);
        text->clear();
        putOnClipboard(clipboardData(page));
        QElapsedTimer timer;
        timer.start();
        QTest::keyClick(text, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(text->toPlainText(), page);
        QLineEdit* fp = field(program.window->showForm(forms::frmBas), "Text1");
        fp->clear();
        QTest::keyClick(fp, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(fp->text().size(), fp->maxLength());
        QVERIFY2(timer.elapsed() < 10'000, qPrintable(QString::number(timer.elapsed())));
    }
};

QTEST_MAIN(PasteTest)
#include "tst_paste.moc"
