#include <QAccessible>

#include "form_test_support.h"
#include "forms/fonts.h"

using namespace testing_support;

class Form1Test : public QObject {
    Q_OBJECT

    // Form1 is no child of the main window: find it among the windows of their own.
    static QWidget* openForm1(Program& program) {
        program.menu("mnuZica")->trigger();
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->objectName() == "Form1" && window->isVisible())
                return QTest::qWaitForWindowActive(window) ? window : nullptr;
        return nullptr;
    }

private slots:
    // A window outlives the main window object; each test starts without one.
    void cleanup() {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->objectName() == "Form1") delete window;
    }

    // Lifecycle: shown by &Zica as a window of its own, once, fresh after closing, closed by the
    // exit.
    void zicaShowsAWindowOfItsOwn() {
        Program program;
        QWidget* form1 = openForm1(program);
        QVERIFY(form1);
        QVERIFY(form1->isWindow());
        QCOMPARE(form1->windowTitle(), QString("Form1"));
        QVERIFY(!program.openForms().contains("Form1"));
        QCOMPARE(field(form1, "Text1")->text(), QString("5"));
        QCOMPARE(field(form1, "Text2")->text(), QString("2"));
        QCOMPARE(label(form1, "Label1")->text(), QString("Label1"));
        QCOMPARE(QApplication::focusWidget(), field(form1, "Text1"));
        QCOMPARE(tabOrder(field(form1, "Text1")), (QStringList{"Text1", "Text2", "Command1"}));
    }
    // A screen reader meets a window named by its caption, not a filler; forms inside the main
    // window stay the client area of their child window.
    void screenReaderMeetsAWindow() {
        Program program;
        QAccessibleInterface* form1 = QAccessible::queryAccessibleInterface(openForm1(program));
        QCOMPARE(form1->role(), QAccessible::Window);
        QCOMPARE(form1->text(QAccessible::Name), QString("Form1"));
        QCOMPARE(QAccessible::queryAccessibleInterface(program.choose("mnuBas"))->role(), QAccessible::Client);
    }
    // Minimized, it comes back from the menu.
    void choiceRestoresItMinimized() {
        Program program;
        QWidget* form1 = openForm1(program);
        form1->showMinimized();
        QCOMPARE(openForm1(program), form1);
        QVERIFY(!form1->isMinimized());
    }
    void secondChoiceKeepsTheOpenWindow() {
        Program program;
        QWidget* form1 = openForm1(program);
        retype(field(form1, "Text1"), "50");
        press(form1, "Command1");
        program.choose("mnuKalem");
        QCOMPARE(openForm1(program), form1);
        QCOMPARE(field(form1, "Text1")->text(), QString("50"));
        QCOMPARE(label(form1, "Label1")->text(), QString("5,64 mm debljuna zice"));
    }
    void closedWindowComesBackWithDefaults() {
        Program program;
        QWidget* form1 = openForm1(program);
        retype(field(form1, "Text2"), "3");
        press(form1, "Command1");
        form1->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        form1 = openForm1(program);
        QCOMPARE(field(form1, "Text2")->text(), QString("2"));
        QCOMPARE(label(form1, "Label1")->text(), QString("Label1"));
    }
    void exitClosesItToo_data() {
        QTest::addColumn<bool>("byIzlaz");
        // clang-format off
        QTest::newRow("&Izlaz") << true;
        QTest::newRow("main window's close") << false;
        // clang-format on
    }
    void exitClosesItToo() {
        QFETCH(bool, byIzlaz);
        Program program;
        const QPointer<QWidget> form1 = openForm1(program);
        retype(field(form1, "Text1"), "7");
        if (byIzlaz)
            program.menu("mnuIzlaz")->trigger();
        else
            QVERIFY(program.window->close());
        QVERIFY(!form1 || !form1->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(form1.isNull());
        QVERIFY(program.presenter.messages.isEmpty());
    }
    // No control names a font: all take the dialog font of the design, 8 pt regular, in which the
    // result fits one line and the density's label wraps at a blank, not inside "A/mm".
    void controlsTakeTheDialogFont() {
        Program program;
        QWidget* form1 = openForm1(program);
        QCOMPARE(form1->font().family(), QString(forms::standInFace));
        QCOMPARE(form1->font().pixelSize(), 11);
        QVERIFY(!form1->font().bold());
        for (QWidget* control : form1->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            QVERIFY2(control->font() == form1->font(), qPrintable(control->objectName()));
        press(form1, "Command1");
        const QFontMetrics metrics(form1->font());
        QVERIFY(metrics.horizontalAdvance(label(form1, "Label1")->text()) <= label(form1, "Label1")->width());
        QLabel* density = label(form1, "Label3");
        QVERIFY(metrics.horizontalAdvance("gustina struje A/mm") <= density->width());
        QVERIFY(metrics.horizontalAdvance(density->text()) > density->width());
    }

    // Presses: the two texts read as doubles, only the diameter shown.
    void pressShowsTheDiameter_data() {
        QTest::addColumn<bool>("pointDecimal");
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("density");
        QTest::addColumn<QString>("caption");
        // clang-format off
        QTest::newRow("defaults, comma") << false << "5" << "2" << "1,78 mm debljuna zice";
        QTest::newRow("defaults, point") << true << "5" << "2" << "1.78 mm debljuna zice";
        QTest::newRow("rule of thumb, cross-section narrowed") << false << "5" << "3" << "1,46 mm debljuna zice";
        QTest::newRow("3.14, not pi") << false << "50" << "1,5" << "6,52 mm debljuna zice";
        QTest::newRow("3.14, not pi, point") << true << "50" << "1.5" << "6.52 mm debljuna zice";
        QTest::newRow("no current") << false << "0" << "2" << "0 mm debljuna zice";
        QTest::newRow("both negative") << false << "-5" << "-2" << "1,78 mm debljuna zice";
        QTest::newRow("texts beyond single range divide as doubles") << false << "1E39" << "1E38" << "3,57 mm debljuna zice";
        // clang-format on
    }
    void pressShowsTheDiameter() {
        QFETCH(bool, pointDecimal);
        QFETCH(QString, current);
        QFETCH(QString, density);
        QFETCH(QString, caption);
        Program program(pointDecimal ? decimalPoint : decimalComma);
        QWidget* form1 = openForm1(program);
        retype(field(form1, "Text1"), current);
        retype(field(form1, "Text2"), density);
        press(form1, "Command1");
        QCOMPARE(label(form1, "Label1")->text(), caption);
        QVERIFY(program.presenter.messages.isEmpty());
    }

    // Failures: Label1 keeps its text, the user is told once, the field is ready to retype.
    void failureWritesNothing_data() {
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("density");
        QTest::addColumn<QString>("culprit");
        // clang-format off
        QTest::newRow("empty density") << "5" << "" << "Text2";
        QTest::newRow("letters in current") << "pet" << "2" << "Text1";
        QTest::newRow("zero density") << "5" << "0" << "Text2";
        QTest::newRow("opposite signs, no cross-section shown") << "5" << "-2" << "Text2";
        QTest::newRow("negative current blamed") << "-5" << "2" << "Text1";
        QTest::newRow("quotient beyond single range") << "1E39" << "1" << "Text1";
        // clang-format on
    }
    void failureWritesNothing() {
        QFETCH(QString, current);
        QFETCH(QString, density);
        QFETCH(QString, culprit);
        Program program;
        QWidget* form1 = openForm1(program);
        retype(field(form1, "Text1"), current);
        retype(field(form1, "Text2"), density);
        press(form1, "Command1");
        QCOMPARE(label(form1, "Label1")->text(), QString("Label1"));
        retype(field(form1, "Text1"), "5");
        retype(field(form1, "Text2"), "2");
        press(form1, "Command1");
        retype(field(form1, "Text1"), current);
        retype(field(form1, "Text2"), density);
        press(form1, "Command1");
        QCOMPARE(label(form1, "Label1")->text(), QString("1,78 mm debljuna zice"));
        QCOMPARE(program.presenter.messages.size(), 2);
        QCOMPARE(QApplication::focusWidget(), field(form1, qPrintable(culprit)));
    }
};

QTEST_MAIN(Form1Test)
#include "tst_form1.moc"
