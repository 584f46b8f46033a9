#include "form_test_support.h"

using namespace testing_support;

class BasTest : public QObject {
    Q_OBJECT

    static QWidget* openBas(Program& program) { return program.choose("mnuBas"); }

private slots:
    // Opening: the default texts, empty results, the focus in Text1.
    void opensWithDefaults() {
        Program program;
        QWidget* bas = openBas(program);
        QCOMPARE(bas->windowTitle(), QString("bas"));
        for (const char* name : {"Text1", "Text4"}) QCOMPARE(field(bas, name)->text(), QString("500"));
        for (const char* name : {"Text2", "Text5"}) QCOMPARE(field(bas, name)->text(), QString("4"));
        QVERIFY(label(bas, "Label11")->text().isEmpty());
        QVERIFY(label(bas, "Label12")->text().isEmpty());
        QCOMPARE(QApplication::focusWidget(), field(bas, "Text1"));
        QVERIFY(!bas->findChild<QLineEdit*>("Text3"));
    }
    void tabVisitsTheLeftHalfThenTheRight() {
        Program program;
        QWidget* bas = openBas(program);
        QCOMPARE(tabOrder(field(bas, "Text1")),
                 (QStringList{"Text1", "Text2", "cmdIzracunaj6db", "Text4", "Text5", "cmdIzracunaj12db"}));
        auto* last = forms::control<QPushButton>(bas, "cmdIzracunaj12db");
        last->setFocus();
        QTest::keyClick(last, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), field(bas, "Text1"));
    }
    void unitsStandBesideTheirFields() {
        Program program;
        QWidget* bas = openBas(program);
        verifyFieldLabel(bas, "Label3", "Text1");
        verifyFieldLabel(bas, "Label5", "Text2");
        verifyFieldLabel(bas, "Label7", "Text4");
        verifyFieldLabel(bas, "Label8", "Text5");
    }

    // Presses: each button writes its own label from its own two fields.
    void pressWritesItsCaption_data() {
        QTest::addColumn<bool>("pointDecimal");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("fp");
        QTest::addColumn<QString>("z");
        QTest::addColumn<QString>("caption");
        // clang-format off
        QTest::newRow("left defaults, comma") << false << "cmdIzracunaj6db" << "500" << "4" << " L = 1,27mH";
        QTest::newRow("left defaults, point") << true << "cmdIzracunaj6db" << "500" << "4" << " L = 1.27mH";
        QTest::newRow("right defaults, comma") << false << "cmdIzracunaj12db" << "500" << "4" << " L = 1,8mH    C = 56uF";
        QTest::newRow("right defaults, point") << true << "cmdIzracunaj12db" << "500" << "4" << " L = 1.8mH    C = 56uF";
        QTest::newRow("comma reads as decimal under comma") << false << "cmdIzracunaj6db" << "500" << "4,5" << " L = 1,43mH";
        QTest::newRow("comma groups under point") << true << "cmdIzracunaj6db" << "500" << "4,5" << " L = 14.31mH";
        QTest::newRow("grouped thousands") << false << "cmdIzracunaj6db" << "1.272" << "1" << " L = 0,12mH";
        QTest::newRow("blanks around") << false << "cmdIzracunaj6db" << " 424 " << "1" << " L = 0,38mH";
        QTest::newRow("zero impedance on the left") << false << "cmdIzracunaj6db" << "500" << "0" << " L = 0mH";
        QTest::newRow("negative frequency") << false << "cmdIzracunaj6db" << "-500" << "4" << " L = -1,27mH";
        QTest::newRow("exponent form") << false << "cmdIzracunaj6db" << "0,001" << "100" << " L = 1,59E+07mH";
        // clang-format on
    }
    void pressWritesItsCaption() {
        QFETCH(bool, pointDecimal);
        QFETCH(QString, button);
        QFETCH(QString, fp);
        QFETCH(QString, z);
        QFETCH(QString, caption);
        Program program(pointDecimal ? decimalPoint : decimalComma);
        QWidget* bas = openBas(program);
        const bool left = button == "cmdIzracunaj6db";
        retype(field(bas, left ? "Text1" : "Text4"), fp);
        retype(field(bas, left ? "Text2" : "Text5"), z);
        press(bas, qPrintable(button));
        QCOMPARE(label(bas, left ? "Label11" : "Label12")->text(), caption);
        QVERIFY(label(bas, left ? "Label12" : "Label11")->text().isEmpty());
        QCOMPARE(label(bas, left ? "Label11" : "Label12")->toolTip(), caption);
        QCOMPARE(label(bas, left ? "Label11" : "Label12")->accessibleDescription(), caption);
        QVERIFY(program.presenter.messages.isEmpty());
    }
    void halvesAreIndependent() {
        Program program;
        QWidget* bas = openBas(program);
        press(bas, "cmdIzracunaj6db");
        press(bas, "cmdIzracunaj12db");
        retype(field(bas, "Text1"), "1000");
        QCOMPARE(field(bas, "Text4")->text(), QString("500"));
        QCOMPARE(label(bas, "Label11")->text(), QString(" L = 1,27mH"));  // stale until pressed
        press(bas, "cmdIzracunaj12db");
        QCOMPARE(label(bas, "Label11")->text(), QString(" L = 1,27mH"));
        QCOMPARE(label(bas, "Label12")->text(), QString(" L = 1,8mH    C = 56uF"));
        press(bas, "cmdIzracunaj6db");
        QCOMPARE(label(bas, "Label11")->text(), QString(" L = 0,64mH"));
    }

    // Failures: nothing is written, the user is told, the field is ready to retype.
    void failureLeavesEverythingAsItWas_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("fieldName");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("symbol");
        // clang-format off
        QTest::newRow("empty Fp") << "cmdIzracunaj6db" << "Text1" << "" << "Fp";
        QTest::newRow("letters in Z") << "cmdIzracunaj6db" << "Text2" << "cetiri" << "Z";
        QTest::newRow("zero Fp") << "cmdIzracunaj6db" << "Text1" << "0" << "Fp";
        QTest::newRow("beyond single range") << "cmdIzracunaj6db" << "Text1" << "1E39" << "Fp";
        QTest::newRow("overflowing coil") << "cmdIzracunaj6db" << "Text2" << "1E37" << "Z";
        QTest::newRow("zero Z on the right") << "cmdIzracunaj12db" << "Text5" << "0" << "Z";
        QTest::newRow("two decimal commas") << "cmdIzracunaj12db" << "Text4" << "5,0,0" << "Fp";
        // clang-format on
    }
    void failureLeavesEverythingAsItWas() {
        QFETCH(QString, button);
        QFETCH(QString, fieldName);
        QFETCH(QString, text);
        QFETCH(QString, symbol);
        Program program;
        QWidget* bas = openBas(program);
        press(bas, "cmdIzracunaj6db");
        press(bas, "cmdIzracunaj12db");
        retype(field(bas, qPrintable(fieldName)), text);
        press(bas, qPrintable(button));
        QCOMPARE(label(bas, "Label11")->text(), QString(" L = 1,27mH"));
        QCOMPARE(label(bas, "Label12")->text(), QString(" L = 1,8mH    C = 56uF"));
        verifyToldAbout(program, field(bas, qPrintable(fieldName)), text);
        QVERIFY2(program.presenter.messages.first().contains(symbol), qPrintable(program.presenter.messages.first()));
    }
};

QTEST_MAIN(BasTest)
#include "tst_bas.moc"
