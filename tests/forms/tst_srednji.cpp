#include "form_test_support.h"

using namespace testing_support;

class SrednjiTest : public QObject {
    Q_OBJECT

    static QWidget* openSrednji(Program& program) { return program.choose("mnuSrednji"); }
    static QStringList results(const QWidget* form) {
        return {label(form, "Label14")->text(), label(form, "Label15")->text(), label(form, "Label16")->text()};
    }

private slots:
    // Opening: the right half first, the focus in its lower frequency.
    void opensWithDefaults() {
        Program program;
        QWidget* srednji = openSrednji(program);
        QCOMPARE(srednji->windowTitle(), QString("Srednjetonci"));
        const QStringList texts{field(srednji, "Text1")->text(), field(srednji, "Text2")->text(),
                                field(srednji, "Text3")->text(), field(srednji, "Text5")->text(),
                                field(srednji, "Text6")->text()};
        QCOMPARE(texts, (QStringList{"500", "5000", "4", "500", "4"}));
        QCOMPARE(results(srednji), (QStringList{"", "", ""}));
        QCOMPARE(QApplication::focusWidget(), field(srednji, "Text1"));
        QCOMPARE(tabOrder(field(srednji, "Text1")),
                 (QStringList{"Text1", "Text2", "Text3", "Text5", "Text6", "cmdIzracunaj12db", "cmdIzracunaj6db"}));
    }
    void unitsStandBesideTheirFields_data() {
        QTest::addColumn<QString>("labelName");
        QTest::addColumn<QString>("fieldName");
        // clang-format off
        QTest::newRow("left Fp1 in Hz") << "Label10" << "Text5";
        QTest::newRow("left Z in oma") << "Label13" << "Text6";
        QTest::newRow("right Fp1 in Hz") << "Label3" << "Text1";
        QTest::newRow("right Fp2 in Hz") << "Label5" << "Text2";
        QTest::newRow("right Z in oma") << "Label7" << "Text3";
        // clang-format on
    }
    void unitsStandBesideTheirFields() {
        QFETCH(QString, labelName);
        QFETCH(QString, fieldName);
        Program program;
        verifyFieldLabel(openSrednji(program), qPrintable(labelName), qPrintable(fieldName));
    }

    // Presses: the left button writes Label14, the right one Label15 and Label16.
    void pressWritesItsCaptions_data() {
        QTest::addColumn<bool>("pointDecimal");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("texts");  // Text5, Text6 or Text1, Text2, Text3
        QTest::addColumn<QStringList>("captions");
        // clang-format off
        QTest::newRow("left defaults, comma") << false << "cmdIzracunaj6db" << QStringList{"500", "4"} << QStringList{" L = 0,32mH    C = 79,5uF", "", ""};
        QTest::newRow("left defaults, point") << true << "cmdIzracunaj6db" << QStringList{"500", "4"} << QStringList{" L = 0.32mH    C = 79.5uF", "", ""};
        QTest::newRow("left exact half goes to even") << false << "cmdIzracunaj6db" << QStringList{"1000", "8"} << QStringList{" L = 0,32mH    C = 19,88uF", "", ""};
        QTest::newRow("right defaults, comma") << false << "cmdIzracunaj12db" << QStringList{"500", "5000", "4"} << QStringList{"", "L1 = 1,8mH  C1 = 56uF", "L2 = 0,18mH  C2 = 5,6uF"};
        QTest::newRow("right defaults, point") << true << "cmdIzracunaj12db" << QStringList{"500", "5000", "4"} << QStringList{"", "L1 = 1.8mH  C1 = 56uF", "L2 = 0.18mH  C2 = 5.6uF"};
        QTest::newRow("swapped frequencies accepted") << false << "cmdIzracunaj12db" << QStringList{"5000", "500", "4"} << QStringList{"", "L1 = 0,18mH  C1 = 5,6uF", "L2 = 1,8mH  C2 = 56uF"};
        QTest::newRow("equal frequencies accepted") << false << "cmdIzracunaj12db" << QStringList{"500", "500", "4"} << QStringList{"", "L1 = 1,8mH  C1 = 56uF", "L2 = 1,8mH  C2 = 56uF"};
        // clang-format on
    }
    void pressWritesItsCaptions() {
        QFETCH(bool, pointDecimal);
        QFETCH(QString, button);
        QFETCH(QStringList, texts);
        QFETCH(QStringList, captions);
        Program program(pointDecimal ? decimalPoint : decimalComma);
        QWidget* srednji = openSrednji(program);
        const QStringList names =
            texts.size() == 2 ? QStringList{"Text5", "Text6"} : QStringList{"Text1", "Text2", "Text3"};
        for (int i = 0; i < texts.size(); ++i) retype(field(srednji, qPrintable(names[i])), texts[i]);
        press(srednji, qPrintable(button));
        QCOMPARE(results(srednji), captions);
        QVERIFY(program.presenter.messages.isEmpty());
    }

    // Independence: the left half never reads Text2, and the two Fp1 fields are separate.
    void leftResultIgnoresTheUpperFrequency_data() {
        QTest::addColumn<QString>("text2");
        // clang-format off
        QTest::newRow("another upper frequency") << "20000";
        QTest::newRow("empty upper frequency") << "";
        QTest::newRow("no number in upper frequency") << "pet";
        QTest::newRow("zero upper frequency") << "0";
        // clang-format on
    }
    void leftResultIgnoresTheUpperFrequency() {
        QFETCH(QString, text2);
        Program program;
        QWidget* srednji = openSrednji(program);
        retype(field(srednji, "Text2"), text2);
        press(srednji, "cmdIzracunaj6db");
        QCOMPARE(label(srednji, "Label14")->text(), QString(" L = 0,32mH    C = 79,5uF"));
        QVERIFY(program.presenter.messages.isEmpty());
    }
    void lowerFrequenciesAreSeparate() {
        Program program;
        QWidget* srednji = openSrednji(program);
        press(srednji, "cmdIzracunaj6db");
        press(srednji, "cmdIzracunaj12db");
        retype(field(srednji, "Text1"), "1000");
        QCOMPARE(field(srednji, "Text5")->text(), QString("500"));
        press(srednji, "cmdIzracunaj6db");
        QCOMPARE(label(srednji, "Label14")->text(), QString(" L = 0,32mH    C = 79,5uF"));
        QCOMPARE(label(srednji, "Label15")->text(), QString("L1 = 1,8mH  C1 = 56uF"));
        retype(field(srednji, "Text5"), "250");
        QCOMPARE(field(srednji, "Text1")->text(), QString("1000"));
        press(srednji, "cmdIzracunaj12db");
        QCOMPARE(results(srednji),
                 (QStringList{" L = 0,32mH    C = 79,5uF", "L1 = 0,9mH  C1 = 28uF", "L2 = 0,18mH  C2 = 5,6uF"}));
    }

    // Failures: every result label stays, the user is told once, the field is ready to retype.
    void failureLeavesEveryResultAsItWas_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("fieldName");
        QTest::addColumn<QString>("text");
        // clang-format off
        QTest::newRow("left empty Fp1") << "cmdIzracunaj6db" << "Text5" << "";
        QTest::newRow("left zero Fp1") << "cmdIzracunaj6db" << "Text5" << "0";
        QTest::newRow("left zero Z") << "cmdIzracunaj6db" << "Text6" << "0";
        QTest::newRow("right letters in Fp1") << "cmdIzracunaj12db" << "Text1" << "pet";
        QTest::newRow("right empty Fp2 though L1, C1 need none") << "cmdIzracunaj12db" << "Text2" << "";
        QTest::newRow("right zero Fp2") << "cmdIzracunaj12db" << "Text2" << "0";
        QTest::newRow("right empty Z") << "cmdIzracunaj12db" << "Text3" << "";
        QTest::newRow("right zero Z") << "cmdIzracunaj12db" << "Text3" << "0";
        // clang-format on
    }
    void failureLeavesEveryResultAsItWas() {
        QFETCH(QString, button);
        QFETCH(QString, fieldName);
        QFETCH(QString, text);
        Program program;
        QWidget* srednji = openSrednji(program);
        press(srednji, "cmdIzracunaj6db");
        press(srednji, "cmdIzracunaj12db");
        const QStringList before = results(srednji);
        // Another lower frequency, so a half-written right result would show.
        retype(field(srednji, "Text1"), "1000");
        retype(field(srednji, qPrintable(fieldName)), text);
        press(srednji, qPrintable(button));
        QCOMPARE(results(srednji), before);
        verifyToldAbout(program, field(srednji, qPrintable(fieldName)), text);
    }
    void firstFailingFieldEndsTheReading() {
        Program program;
        QWidget* srednji = openSrednji(program);
        retype(field(srednji, "Text2"), "");
        retype(field(srednji, "Text3"), "x");
        press(srednji, "cmdIzracunaj12db");
        QCOMPARE(program.presenter.messages.size(), 1);
        QVERIFY2(program.presenter.messages.first().contains("Fp2"), qPrintable(program.presenter.messages.first()));
        QCOMPARE(QApplication::focusWidget(), field(srednji, "Text2"));
    }
};

QTEST_MAIN(SrednjiTest)
#include "tst_srednji.moc"
