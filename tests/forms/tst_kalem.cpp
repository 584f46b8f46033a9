#include <QScrollBar>
#include <QTextEdit>

#include "form_test_support.h"

using namespace testing_support;

class KalemTest : public QObject {
    Q_OBJECT

    static QWidget* openKalem(Program& program) { return program.choose("mnuKalem"); }
    static QTextEdit* explanation(const QWidget* kalem) { return forms::control<QTextEdit>(kalem, "Text5"); }

private slots:
    // Opening: the example coil, an empty result, the explanatory text last in the tab order.
    void opensWithTheExampleCoil() {
        Program program;
        QWidget* kalem = openKalem(program);
        QCOMPARE(kalem->windowTitle(), QString("Kalem"));
        const QStringList texts{field(kalem, "Text1")->text(), field(kalem, "Text2")->text(),
                                field(kalem, "Text3")->text(), field(kalem, "Text4")->text()};
        QCOMPARE(texts, (QStringList{"80", "34", "20", "4"}));
        QVERIFY(label(kalem, "Label5")->text().isEmpty());
        QCOMPARE(QApplication::focusWidget(), field(kalem, "Text1"));
        QCOMPARE(tabOrder(field(kalem, "Text1")),
                 (QStringList{"Text1", "Text2", "Text3", "Text4", "cmdIzracunajL", "Text5"}));
    }
    void unitsStandBesideTheirFields_data() {
        QTest::addColumn<QString>("labelName");
        QTest::addColumn<QString>("fieldName");
        // clang-format off
        QTest::newRow("N in namotaja") << "Label1" << "Text1";
        QTest::newRow("do in mm") << "Label2" << "Text2";
        QTest::newRow("l in mm") << "Label3" << "Text3";
        QTest::newRow("h in mm") << "Label4" << "Text4";
        // clang-format on
    }
    void unitsStandBesideTheirFields() {
        QFETCH(QString, labelName);
        QFETCH(QString, fieldName);
        Program program;
        verifyFieldLabel(openKalem(program), qPrintable(labelName), qPrintable(fieldName));
    }

    // The explanatory text: kept byte for byte, editable, read by nothing.
    void explanationKeepsItsBlanksAndLines_data() {
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("text");
        // clang-format off
        QTest::newRow("triple blank inside line 1") << 0 << "Induktivitet   je tesko unapred ";
        QTest::newRow("double blank inside line 7") << 6 << "4 sloja po 20  namotaja = 80";
        QTest::newRow("no trailing blank on line 8") << 7 << "2. zica Fi 1mm";
        QTest::newRow("trailing blank on line 16") << 15 << "izracunas ";
        QTest::newRow("decimal comma of line 19 kept under any region") << 18 << "I=5A ide zica Fi=1,5mm pri gustini struje 3A/mm kvadratnom";
        // clang-format on
    }
    void explanationKeepsItsBlanksAndLines() {
        QFETCH(int, line);
        QFETCH(QString, text);
        Program program(decimalPoint);
        const QString shown = explanation(openKalem(program))->toPlainText().replace("\n", "\r\n");
        QCOMPARE(shown.size(), 509);
        QVERIFY(shown.endsWith("\r\n"));
        const QStringList lines = shown.chopped(2).split("\r\n");
        QCOMPARE(lines.size(), 19);
        QCOMPARE(lines[line], text);
    }
    void explanationIsAnEditableScrollingNote() {
        Program program;
        QWidget* kalem = openKalem(program);
        QTextEdit* text = explanation(kalem);
        QVERIFY(!text->isReadOnly());
        QCOMPARE(text->lineWrapMode(), QTextEdit::WidgetWidth);
        QVERIFY(text->verticalScrollBar()->isVisible());
        QVERIFY(text->verticalScrollBar()->maximum() > 0);  // the text is taller than the field
        press(kalem, "cmdIzracunajL");
        text->setFocus();
        QTest::keyClicks(text, "moja beleska 1,5");
        QVERIFY(text->toPlainText().contains("moja beleska"));
        QCOMPARE(label(kalem, "Label5")->text(), QString("L = 0,18mH"));
        press(kalem, "cmdIzracunajL");
        QCOMPARE(label(kalem, "Label5")->text(), QString("L = 0,18mH"));
        QVERIFY(program.presenter.messages.isEmpty());
    }

    // Presses: the four fields in order into the coil formula.
    void pressWritesTheInductance_data() {
        QTest::addColumn<bool>("pointDecimal");
        QTest::addColumn<QStringList>("texts");  // N, do, l, h
        QTest::addColumn<QString>("caption");
        const QStringList example{"80", "34", "20", "4"};
        // clang-format off
        QTest::newRow("example, comma") << false << example << "L = 0,18mH";
        QTest::newRow("example, point") << true << example << "L = 0.18mH";
        QTest::newRow("factor 7.86, not 7.874") << false << QStringList{"60", "60", "5", "4"} << "L = 0,38mH";
        QTest::newRow("large coil") << false << QStringList{"1000", "100", "50", "20"} << "L = 82,74mH";
        QTest::newRow("no turns") << false << QStringList{"0", "34", "20", "4"} << "L = 0mH";
        QTest::newRow("turns enter squared") << false << QStringList{"-80", "34", "20", "4"} << "L = 0,18mH";
        QTest::newRow("fractional turns") << false << QStringList{"80,5", "34", "20", "4"} << "L = 0,18mH";
        QTest::newRow("negative denominator") << false << QStringList{"80", "34", "-20", "4"} << "L = -1,53mH";
        // clang-format on
    }
    void pressWritesTheInductance() {
        QFETCH(bool, pointDecimal);
        QFETCH(QStringList, texts);
        QFETCH(QString, caption);
        Program program(pointDecimal ? decimalPoint : decimalComma);
        QWidget* kalem = openKalem(program);
        for (int i = 0; i < 4; ++i) retype(field(kalem, qPrintable(QString("Text%1").arg(i + 1))), texts[i]);
        press(kalem, "cmdIzracunajL");
        QCOMPARE(label(kalem, "Label5")->text(), caption);
        QVERIFY(program.presenter.messages.isEmpty());
    }

    // Failures: the result stays, the user is told once, the field is ready to retype.
    void failureLeavesTheResultAsItWas_data() {
        QTest::addColumn<QString>("fieldName");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("others");  // Text1, Text2, Text3, Text4 before it
        // clang-format off
        QTest::newRow("empty l after good N and do") << "Text3" << "" << QStringList{"80", "34", "20", "4"};
        QTest::newRow("letters in N") << "Text1" << "osam" << QStringList{"80", "34", "20", "4"};
        QTest::newRow("zero denominator") << "Text2" << "0" << QStringList{"80", "34", "0", "0"};
        // clang-format on
    }
    void failureLeavesTheResultAsItWas() {
        QFETCH(QString, fieldName);
        QFETCH(QString, text);
        QFETCH(QStringList, others);
        Program program;
        QWidget* kalem = openKalem(program);
        press(kalem, "cmdIzracunajL");
        for (int i = 0; i < 4; ++i) retype(field(kalem, qPrintable(QString("Text%1").arg(i + 1))), others[i]);
        retype(field(kalem, qPrintable(fieldName)), text);
        press(kalem, "cmdIzracunajL");
        QCOMPARE(label(kalem, "Label5")->text(), QString("L = 0,18mH"));
        verifyToldAbout(program, field(kalem, qPrintable(fieldName)), text);
    }
};

QTEST_MAIN(KalemTest)
#include "tst_kalem.moc"
