#include <malloc.h>

#include <QAbstractScrollArea>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTextBrowser>

#include "form_test_support.h"
#include "formkit/framed_label.h"
#include "formkit/help_window.h"
#include "formkit/text.h"
#include "forms/odziv/driver_dialog.h"

using namespace testing_support;
using formkit::toQString;

// The main window: its menu, and how forms are shown, brought back, closed and left.
class MainWindowTest : public QObject {
    Q_OBJECT

    static QWidget* frameOf(QWidget* form) { return form->isWindow() ? form : form->parentWidget(); }
    // Closes a form as a user does, by its close keys, a window of its own too.
    static void discard(QWidget* form) {
        QTest::keySequence(form, QKeySequence(Qt::CTRL | Qt::Key_W));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    static QString texts(const QWidget* form) {
        QString shown;
        for (const QLabel* label : form->findChildren<QLabel*>()) shown += label->text() + '|';
        for (const QLineEdit* edit : form->findChildren<QLineEdit*>()) shown += edit->text() + '|';
        return shown;
    }

private slots:
    // Start-up: the maximized frame holds the start form alone, active, in the corner; once closed,
    // no command brings it back, and none opens a second copy of its form.
    void startFormOpensAloneOnlyAtStartUp() {
        Program program;
        QVERIFY(program.window->isMaximized() && program.window->mdiArea()->activeSubWindow()->pos() == QPoint(0, 0));
        QCOMPARE(program.openForms(), QStringList{"frmTav20"});
        discard(program.window->mdiArea()->activeSubWindow()->widget());
        for (int twice = 0; twice < 2; ++twice)
            for (const forms::MenuRow& row : forms::menuRows())
                if (row.command == forms::MenuRow::Command::Show) program.menu(row.name.data())->trigger();
        const QStringList open = program.openForms();
        QVERIFY(!open.contains("frmTav20") && !open.contains("Form1"));  // Form1 is a window of its own
        QCOMPARE(QSet<QString>(open.begin(), open.end()).size(), open.size());
    }

    // Shown normal rather than maximized, the frame holds its whole menu bar, no item behind the
    // overflow arrow, and the whole start form.
    void normalFrameHoldsMenuAndStartForm() {
        RecordingWarner warner;
        forms::MainWindow window({warner, [] { return decimalComma; }}, {});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QMenuBar* bar = window.menuBar();
        for (QAction* action : bar->actions())
            QVERIFY2(bar->rect().contains(bar->actionGeometry(action)), qPrintable(action->text()));
        QVERIFY(window.mdiArea()->viewport()->rect().contains(window.mdiArea()->subWindowList().first()->geometry()));
    }

    // A form exists once: choosing it again brings it to the front as typed; closed, it is gone and
    // comes back fresh.
    void formIsShownOnceUntilClosed_data() {
        QTest::addColumn<QString>("command");
        QTest::newRow("child window") << "mnuBas";
        QTest::newRow("window of its own") << "mnuZica";
    }
    void formIsShownOnceUntilClosed() {
        QFETCH(QString, command);
        Program program;
        QWidget* form = program.choose(command.toStdString());
        const QString fresh = texts(form);
        retype(field(form, "Text1"), "50");
        const QString typed = texts(form);
        program.choose("mnuAutor");
        QCOMPARE(program.choose(command.toStdString()), form);
        QCOMPARE(texts(form), typed);
        const QPointer<QWidget> closed = form;
        discard(form);
        QVERIFY(closed.isNull());
        QCOMPARE(texts(program.choose(command.toStdString())), fresh);
    }
    // Opened, painted and closed a hundred times, a form leaves the heap as it was: nothing of its own
    // (a copy of the shared icon, a palette of its own) enters Qt's pixmap cache afresh each time.
    void formsOpenedAgainKeepNoMemory_data() {
        QTest::addColumn<QString>("command");
        for (const char* command : {"mnuBas", "mnuSrednji", "mnuVisoki", "mnuKalem", "mnuZica", "mnuNamotaj"})
            QTest::newRow(command) << command;
    }
    void formsOpenedAgainKeepNoMemory() {
        QFETCH(QString, command);
        Program program;
        const auto cycle = [&] {
            QWidget* form = program.choose(command.toStdString());
            form->window()->grab();
            discard(form);
            QCoreApplication::processEvents();
        };
        for (int warmUp = 0; warmUp < 30; ++warmUp) cycle();
        const auto before = mallinfo2().uordblks;
        for (int i = 0; i < 100; ++i) cycle();
        const auto growth = qint64(mallinfo2().uordblks) - qint64(before);
        QVERIFY2(growth < 100 * 500, qPrintable(QString("%1 bytes a cycle").arg(growth / 100)));
    }
    // Minimized, it comes back as it was before, maximized or not, in front.
    void choiceRestoresAMinimizedForm_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("maximized");
        QTest::newRow("child window") << "mnuBas" << false;
        QTest::newRow("maximized child window") << "mnuBas" << true;
        QTest::newRow("window of its own") << "mnuZica" << false;
    }
    void choiceRestoresAMinimizedForm() {
        QFETCH(QString, command);
        QFETCH(bool, maximized);
        Program program;
        QWidget* form = program.choose(command.toStdString());
        if (maximized) frameOf(form)->showMaximized();
        frameOf(form)->showMinimized();
        program.choose("mnuKalem");
        QCOMPARE(program.choose(command.toStdString()), form);
        QVERIFY(!frameOf(form)->isMinimized());
        QCOMPARE(frameOf(form)->isMaximized(), maximized);
        QVERIFY(program.window->mdiArea()->activeSubWindow() == frameOf(form) || QApplication::activeWindow() == form);
    }
    // A form closed from another window while its warning is open goes, and the program goes on.
    void formClosedUnderItsWarning_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("button");
        // clang-format off
        QTest::newRow("Kalem") << "mnuKalem" << "Text1" << "cmdIzracunajL";
        QTest::newRow("Namotaj kalema") << "mnuNamotaj" << "txtSnaga" << "cmdPredloziZicu";
        // clang-format on
    }
    void formClosedUnderItsWarning() {
        QFETCH(QString, command);
        QFETCH(QString, field);
        QFETCH(QString, button);
        Program program;
        QWidget* form = program.choose(command.toStdString());
        retype(testing_support::field(form, qPrintable(field)), "x");
        const QPointer<QWidget> closed = form;
        program.warner.whileShown = [form] { discard(form); };
        QTest::mouseClick(formkit::control<QPushButton>(form, qPrintable(button)), Qt::LeftButton);
        QVERIFY(closed.isNull());
        QCOMPARE(program.warner.messages.size(), 1);
        QVERIFY(program.choose(command.toStdString()));
    }
    // Exit: every window closes without a question, whatever was typed, Form1 too.
    void exitClosesEverythingWithoutAQuestion_data() {
        QTest::addColumn<bool>("byIzlaz");
        QTest::newRow("&Izlaz") << true;
        QTest::newRow("main window's close") << false;
    }
    void exitClosesEverythingWithoutAQuestion() {
        QFETCH(bool, byIzlaz);
        Program program;
        retype(field(program.choose("mnuBas"), "Text2"), "8");
        const QPointer<QWidget> form1 = program.choose("mnuZica");
        retype(field(form1, "Text1"), "7");
        if (byIzlaz)
            program.menu("mnuIzlaz")->trigger();
        else
            QVERIFY(program.window->close());
        QVERIFY(!program.window->isVisible() && program.window->mdiArea()->subWindowList().isEmpty());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(form1.isNull());
        QVERIFY(program.warner.messages.isEmpty());
    }

    // Every window explains itself: each control that takes the keyboard says in a tooltip what it means, and F1
    // (the menu's Pomoc at the start) opens the window's own page, named by its objectName, whose worked example is
    // what its calculate buttons give from its defaults. F1 in a driver dialog opens its window's page.
    void everyWindowExplainsItself() {
        QStringList commands{""};  // the start form
        for (const forms::MenuRow& row : forms::menuRows())
            if (row.command == forms::MenuRow::Command::Show) commands << toQString(row.name);
        for (const QString& command : commands) {
            Program program;
            QWidget* window = command.isEmpty() ? program.window->mdiArea()->activeSubWindow()->widget()
                                                : program.choose(command.toStdString());
            QString folder;
            std::vector<QWidget*> explained{window};
            for (const auto source : {odziv::DriverDialog::Source::Parameters, odziv::DriverDialog::Source::Files})
                if (command == "mnuOdziv")
                    explained.push_back(new odziv::DriverDialog(source, *program.window, folder, window));
            // The parts Qt builds inside a control, a combo box's list or a view's viewport, are Qt's.
            for (const QWidget* each : explained)
                for (const QWidget* control : each->findChildren<QWidget*>())
                    if ((control->focusPolicy() & Qt::TabFocus) && control->window() == each->window() &&
                        !qobject_cast<const QAbstractScrollArea*>(control->parentWidget()))
                        QVERIFY2(!control->toolTip().isEmpty(), qPrintable(command + ' ' + control->objectName()));
            for (QPushButton* button :
                 window->findChildren<QPushButton*>(QRegularExpression("^cmdIzracunaj|^Command1")))
                QTest::mouseClick(button, Qt::LeftButton);
            if (auto* dialog = qobject_cast<QDialog*>(explained.back())) {
                dialog->open();
                QApplication::setActiveWindow(dialog);  // as a window manager would; the offscreen platform does not
            }
            command.isEmpty() ? program.menu("mnuPomoc")->trigger() : QTest::keyClick(explained.back(), Qt::Key_F1);
            const formkit::HelpWindow* help = program.window->helpWindow();
            QVERIFY2(help && help->isVisible(), qPrintable(command));
            QCOMPARE(help->browser()->source().fileName(), window->objectName() + ".html");
            for (const auto* result : window->findChildren<formkit::FramedLabel*>())
                QVERIFY2(help->browser()->toPlainText().simplified().contains(result->text().simplified()),
                         qPrintable(result->text()));
        }
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"
