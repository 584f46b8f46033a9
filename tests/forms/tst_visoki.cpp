#include "form_test_support.h"

using namespace testing_support;

class VisokiTest : public QObject {
    Q_OBJECT

    static QWidget* openVisoki(Program& program) { return program.choose("mnuVisoki"); }

private slots:
    // Opening: the regional default of Z, empty results, the four fields before the buttons.
    void opensWithRegionalDefaults_data() {
        QTest::addColumn<bool>("pointDecimal");
        QTest::addColumn<QString>("rightZ");
        // clang-format off
        QTest::newRow("decimal comma keeps 4,5") << false << "4,5";
        QTest::newRow("decimal point shows 4.5") << true << "4.5";
        // clang-format on
    }
    void opensWithRegionalDefaults() {
        QFETCH(bool, pointDecimal);
        QFETCH(QString, rightZ);
        Program program(pointDecimal ? decimalPoint : decimalComma);
        QWidget* visoki = openVisoki(program);
        QCOMPARE(visoki->windowTitle(), QString("visokotonci"));
        const QStringList texts{field(visoki, "Text1")->text(), field(visoki, "Text2")->text(),
                                field(visoki, "Text4")->text(), field(visoki, "Text5")->text()};
        QCOMPARE(texts, (QStringList{"5000", "4", "5000", rightZ}));
        QVERIFY(label(visoki, "Label14")->text().isEmpty());
        QVERIFY(label(visoki, "Label11")->text().isEmpty());
        QCOMPARE(QApplication::focusWidget(), field(visoki, "Text1"));
        QCOMPARE(tabOrder(field(visoki, "Text1")),
                 (QStringList{"Text1", "Text2", "Text4", "Text5", "cmdIzracunaj6db", "cmdIzracunaj12"}));
    }

    // Field labels: the symbol left and the unit right of each field, "Fp" without "=".
    void unitsStandBesideTheirFields_data() {
        QTest::addColumn<QString>("labelName");
        QTest::addColumn<QString>("fieldName");
        QTest::addColumn<QString>("symbol");
        // clang-format off
        QTest::newRow("left Fp in Hz") << "Label3" << "Text1" << "Fp";
        QTest::newRow("left Z in oma") << "Label5" << "Text2" << "Z =";
        QTest::newRow("right Fp in Hz") << "Label8" << "Text4" << "Fp";
        QTest::newRow("right Z in oma") << "Label10" << "Text5" << "Z =";
        // clang-format on
    }
    void unitsStandBesideTheirFields() {
        QFETCH(QString, labelName);
        QFETCH(QString, fieldName);
        QFETCH(QString, symbol);
        Program program;
        QWidget* visoki = openVisoki(program);
        verifyFieldLabel(visoki, qPrintable(labelName), qPrintable(fieldName));
        QCOMPARE(forms::control<forms::FieldLabel>(visoki, qPrintable(labelName))->symbol(), symbol);
    }

    // Presses: each button writes its own label from its own two fields.
    void pressWritesItsCaption_data() {
        QTest::addColumn<bool>("pointDecimal");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("fp");  // empty: keep the default texts
        QTest::addColumn<QString>("z");
        QTest::addColumn<QString>("caption");
        // clang-format off
        QTest::newRow("left defaults, comma") << false << "cmdIzracunaj6db" << "" << "" << "    C = 7,95uF";
        QTest::newRow("left defaults, point") << true << "cmdIzracunaj6db" << "" << "" << "    C = 7.95uF";
        QTest::newRow("right defaults, comma") << false << "cmdIzracunaj12" << "" << "" << " L = 0,2mH    C = 4,98uF";
        QTest::newRow("right defaults, point: shown 4.5 reads 4.5") << true << "cmdIzracunaj12" << "" << "" << " L = 0.2mH    C = 4.98uF";
        QTest::newRow("typed 4,5 under point reads 45") << true << "cmdIzracunaj12" << "5000" << "4,5" << " L = 2.03mH    C = 0.5uF";
        QTest::newRow("single value decides the rounding") << false << "cmdIzracunaj12" << "5000" << "45" << " L = 2,03mH    C = 0,5uF";
        QTest::newRow("double capacitor keeps 15 digits") << false << "cmdIzracunaj12" << "0,001" << "1" << " L = 225000mH    C = 111999994,68uF";
        QTest::newRow("left exact half goes to even") << false << "cmdIzracunaj6db" << "1000" << "8" << "    C = 19,88uF";
        // clang-format on
    }
    void pressWritesItsCaption() {
        QFETCH(bool, pointDecimal);
        QFETCH(QString, button);
        QFETCH(QString, fp);
        QFETCH(QString, z);
        QFETCH(QString, caption);
        Program program(pointDecimal ? decimalPoint : decimalComma);
        QWidget* visoki = openVisoki(program);
        const bool left = button == "cmdIzracunaj6db";
        if (!fp.isEmpty()) {
            retype(field(visoki, left ? "Text1" : "Text4"), fp);
            retype(field(visoki, left ? "Text2" : "Text5"), z);
        }
        press(visoki, qPrintable(button));
        QCOMPARE(label(visoki, left ? "Label14" : "Label11")->text(), caption);
        QVERIFY(label(visoki, left ? "Label11" : "Label14")->text().isEmpty());
        QVERIFY(program.presenter.messages.isEmpty());
    }
    void halvesAreIndependent() {
        Program program;
        QWidget* visoki = openVisoki(program);
        press(visoki, "cmdIzracunaj6db");
        press(visoki, "cmdIzracunaj12");
        retype(field(visoki, "Text1"), "1000");
        QCOMPARE(field(visoki, "Text4")->text(), QString("5000"));
        press(visoki, "cmdIzracunaj12");
        QCOMPARE(label(visoki, "Label14")->text(), QString("    C = 7,95uF"));
        QCOMPARE(label(visoki, "Label11")->text(), QString(" L = 0,2mH    C = 4,98uF"));
        press(visoki, "cmdIzracunaj6db");
        QCOMPARE(label(visoki, "Label14")->text(), QString("    C = 39,75uF"));
        QCOMPARE(label(visoki, "Label11")->text(), QString(" L = 0,2mH    C = 4,98uF"));
    }

    // Failures: both results stay, the user is told once, the field is ready to retype.
    void failureLeavesResultsAsTheyWere_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("fieldName");
        QTest::addColumn<QString>("text");
        // clang-format off
        QTest::newRow("left empty Z") << "cmdIzracunaj6db" << "Text2" << "";
        QTest::newRow("left zero Z") << "cmdIzracunaj6db" << "Text2" << "0";
        QTest::newRow("left zero Fp") << "cmdIzracunaj6db" << "Text1" << "0";
        QTest::newRow("right letters in Fp") << "cmdIzracunaj12" << "Text4" << "pet";
        QTest::newRow("right zero Z") << "cmdIzracunaj12" << "Text5" << "0";
        // clang-format on
    }
    void failureLeavesResultsAsTheyWere() {
        QFETCH(QString, button);
        QFETCH(QString, fieldName);
        QFETCH(QString, text);
        Program program;
        QWidget* visoki = openVisoki(program);
        press(visoki, "cmdIzracunaj6db");
        press(visoki, "cmdIzracunaj12");
        retype(field(visoki, qPrintable(fieldName)), text);
        press(visoki, qPrintable(button));
        QCOMPARE(label(visoki, "Label14")->text(), QString("    C = 7,95uF"));
        QCOMPARE(label(visoki, "Label11")->text(), QString(" L = 0,2mH    C = 4,98uF"));
        verifyToldAbout(program, field(visoki, qPrintable(fieldName)), text);
    }
};

QTEST_MAIN(VisokiTest)
#include "tst_visoki.moc"
