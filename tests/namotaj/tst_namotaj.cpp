#include "forms/framed_label.h"
#include "namotaj/namotaj_window.h"
#include "tests/forms/form_test_support.h"

using namespace testing_support;

// The "Namotaj kalema" window in a running main window; its failures are rows of the forms' table.
class NamotajTest : public QObject {
    Q_OBJECT

    static QString underRegion(QString text, bool point) { return point ? text.replace(',', '.') : text; }

private slots:
    // The coil form's example, in L selected; its captions, shown whole; the wire suggested into dz
    // and read back from there as it stands.
    void exampleCoilInBothSettings_data() {
        QTest::addColumn<bool>("point");
        QTest::newRow("decimal comma") << false;
        QTest::newRow("decimal point") << true;
    }
    void exampleCoilInBothSettings() {
        QFETCH(bool, point);
        Program program(point ? decimalPoint : decimalComma);
        QWidget* namotaj = program.choose("mnuNamotaj");
        QCOMPARE(field(namotaj, "txtInduktivitet")->selectedText(), underRegion("0,18", point));
        press(namotaj, "cmdIzracunaj");
        QStringList captions;
        for (const char* name : {"lblNamotaji", "lblMere", "lblInduktivitet", "lblBakar", "lblGubitak", "lblZica"})
            captions << label(namotaj, name)->text();
        QCOMPARE(captions.join('|'), underRegion("N = 80 namotaja (4 sloja po 20)|h = 4mm  do = 34mm|L = 0,18mH|"
                                                 "zica 8,55m  R = 0,19 oma  60,13g|gubitak na kalemu -0,4 dB|",
                                                 point));
        for (const auto* result : namotaj->findChildren<forms::FramedLabel*>())
            QCOMPARE(result->shownText(), result->text());
        press(namotaj, "cmdPredloziZicu");
        QCOMPARE(label(namotaj, "lblZica")->text(), underRegion("I = 5A  d = 1,46mm", point));
        QCOMPARE(field(namotaj, "txtPrecnikZice")->text(), underRegion("1,5", point));
        press(namotaj, "cmdIzracunaj");
        QCOMPARE(label(namotaj, "lblNamotaji")->text(), QString("N = 77 namotaja (6 slojeva po 13, u poslednjem 12)"));
        QVERIFY(program.presenter.messages.isEmpty());
    }

    // The loss needs a usable Z; without one the last loss goes, and nothing is wrong.
    void lossNeedsAUsableImpedance_data() {
        QTest::addColumn<QString>("impedance");
        QTest::addColumn<QString>("loss");
        QTest::newRow("8 ohm costs less") << "8"
                                          << "gubitak na kalemu -0,2 dB";
        for (const char* unusable : {"", "osam", "0", "-4"}) QTest::newRow(unusable) << unusable << "";
    }
    void lossNeedsAUsableImpedance() {
        QFETCH(QString, impedance);
        QFETCH(QString, loss);
        Program program;
        QWidget* namotaj = program.choose("mnuNamotaj");
        press(namotaj, "cmdIzracunaj");
        retype(field(namotaj, "txtImpedansa"), impedance);
        press(namotaj, "cmdIzracunaj");
        QCOMPARE(label(namotaj, "lblGubitak")->text(), loss);
        QCOMPARE(label(namotaj, "lblNamotaji")->text(), QString("N = 80 namotaja (4 sloja po 20)"));
        QVERIFY(program.presenter.messages.isEmpty());
    }

    // From the response window: a coil's inductance arrives in L, by the region, selected.
    void inductanceArrivesInL_data() {
        QTest::addColumn<bool>("point");
        QTest::addColumn<double>("millihenry");
        QTest::addColumn<QString>("text");
        QTest::newRow("decimal point") << true << 1.27 << "1.27";
        QTest::newRow("whole") << false << 12.0 << "12";
        QTest::newRow("below one tenth") << false << 0.05 << "0,05";
    }
    void inductanceArrivesInL() {
        QFETCH(bool, point);
        QFETCH(double, millihenry);
        QFETCH(QString, text);
        Program program(point ? decimalPoint : decimalComma);
        auto* namotaj = qobject_cast<namotaj::NamotajWindow*>(program.choose("mnuNamotaj"));
        field(namotaj, "txtSnaga")->setFocus();
        namotaj->takeInductance(millihenry);
        QLineEdit* inductance = field(namotaj, "txtInduktivitet");
        QCOMPARE(inductance->text(), text);
        QCOMPARE(QApplication::focusWidget(), inductance);
        QCOMPARE(inductance->selectedText(), text);
        press(namotaj, "cmdIzracunaj");
        QVERIFY(program.presenter.messages.isEmpty());
    }
};

QTEST_MAIN(NamotajTest)
#include "tst_namotaj.moc"
