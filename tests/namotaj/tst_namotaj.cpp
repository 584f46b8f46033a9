#include <QGroupBox>

#include "forms/framed_label.h"
#include "namotaj/namotaj_window.h"
#include "tests/forms/form_test_support.h"

using namespace testing_support;

class NamotajTest : public QObject {
    Q_OBJECT

    static QWidget* openNamotaj(Program& program) { return program.choose("mnuNamotaj"); }
    static const QStringList& resultNames() {
        static const QStringList names{"lblNamotaji", "lblMere",    "lblInduktivitet",
                                       "lblBakar",    "lblGubitak", "lblZica"};
        return names;
    }
    static QStringList results(const QWidget* namotaj) {
        QStringList texts;
        for (const QString& name : resultNames()) texts << label(namotaj, qPrintable(name))->text();
        return texts;
    }
    static QStringList coilResults(const QWidget* namotaj) { return results(namotaj).mid(0, 5); }

private slots:
    // Opening: the coil form's example, L focused and selected, Tab from top to bottom.
    void opensWithTheExampleSelectedInL_data() {
        QTest::addColumn<bool>("pointDecimal");
        QTest::addColumn<QStringList>("texts");  // L, D, l, dz, P, Z, J
        QTest::newRow("decimal comma") << false << QStringList{"0,18", "30", "20", "1", "100", "4", "3"};
        QTest::newRow("decimal point") << true << QStringList{"0.18", "30", "20", "1", "100", "4", "3"};
    }
    void opensWithTheExampleSelectedInL() {
        QFETCH(bool, pointDecimal);
        QFETCH(QStringList, texts);
        Program program(pointDecimal ? decimalPoint : decimalComma);
        QWidget* namotaj = openNamotaj(program);
        QVERIFY(qobject_cast<namotaj::NamotajWindow*>(namotaj));
        QCOMPARE(namotaj->windowTitle(), QString("Namotaj kalema"));
        const QStringList names{"txtInduktivitet", "txtPrecnikTela", "txtDuzina", "txtPrecnikZice",
                                "txtSnaga",        "txtImpedansa",   "txtGustina"};
        QStringList shown;
        for (const QString& name : names) shown << field(namotaj, qPrintable(name))->text();
        QCOMPARE(shown, texts);
        QCOMPARE(results(namotaj), QStringList(6, QString()));
        QCOMPARE(QApplication::focusWidget(), field(namotaj, "txtInduktivitet"));
        QCOMPARE(field(namotaj, "txtInduktivitet")->selectedText(), texts[0]);
    }
    void tabGoesFromTopToBottom() {
        Program program;
        openNamotaj(program);
        QStringList visited;
        for (int i = 0; i < 9; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, (QStringList{"txtPrecnikTela", "txtDuzina", "txtPrecnikZice", "cmdIzracunaj", "txtSnaga",
                                       "txtImpedansa", "txtGustina", "cmdPredloziZicu", "txtInduktivitet"}));
    }
    // Every field and result is spoken by a name of its own.
    void everyFieldAndResultHasItsOwnName() {
        Program program;
        QWidget* namotaj = openNamotaj(program);
        QStringList spoken;
        for (const QLineEdit* edit : namotaj->findChildren<QLineEdit*>()) spoken << edit->accessibleName();
        for (const QString& name : resultNames()) spoken << label(namotaj, qPrintable(name))->accessibleName();
        QCOMPARE(spoken.size(), 13);
        QVERIFY(!spoken.contains(QString()));
        QCOMPARE(spoken.removeDuplicates(), 0);
        QCOMPARE(field(namotaj, "txtPrecnikZice")->accessibleName(), QString("dz, precnik zice"));
    }

    // "Izracunaj": the example coil's four captions, and its loss into the loudspeaker's Z.
    void pressGivesTheExampleCoil_data() {
        QTest::addColumn<bool>("pointDecimal");
        QTest::addColumn<QStringList>("captions");
        // clang-format off
        QTest::newRow("decimal comma") << false << QStringList{
            "N = 80 namotaja (4 sloja po 20)", "h = 4mm  do = 34mm", "L = 0,18mH",
            "zica 8,55m  R = 0,19 oma  60,13g", "gubitak na kalemu -0,4 dB"};
        QTest::newRow("decimal point") << true << QStringList{
            "N = 80 namotaja (4 sloja po 20)", "h = 4mm  do = 34mm", "L = 0.18mH",
            "zica 8.55m  R = 0.19 oma  60.13g", "gubitak na kalemu -0.4 dB"};
        // clang-format on
    }
    void pressGivesTheExampleCoil() {
        QFETCH(bool, pointDecimal);
        QFETCH(QStringList, captions);
        Program program(pointDecimal ? decimalPoint : decimalComma);
        QWidget* namotaj = openNamotaj(program);
        press(namotaj, "cmdIzracunaj");
        QCOMPARE(coilResults(namotaj), captions);
        QVERIFY(program.presenter.messages.isEmpty());
        // At the size the window opens with, each caption is shown whole.
        for (const QString& name : resultNames().mid(0, 5)) {
            const auto* result = forms::control<forms::FramedLabel>(namotaj, qPrintable(name));
            QCOMPARE(result->shownText(), result->text());
        }
    }
    void lossNeedsAUsableImpedance_data() {
        QTest::addColumn<QString>("impedance");
        QTest::addColumn<QString>("loss");
        // clang-format off
        QTest::newRow("8 ohm costs less") << "8" << "gubitak na kalemu -0,2 dB";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("no number") << "osam" << "";
        QTest::newRow("zero") << "0" << "";
        QTest::newRow("negative") << "-4" << "";
        // clang-format on
    }
    void lossNeedsAUsableImpedance() {
        QFETCH(QString, impedance);
        QFETCH(QString, loss);
        Program program;
        QWidget* namotaj = openNamotaj(program);
        press(namotaj, "cmdIzracunaj");
        retype(field(namotaj, "txtImpedansa"), impedance);
        press(namotaj, "cmdIzracunaj");
        QCOMPARE(label(namotaj, "lblGubitak")->text(), loss);
        QCOMPARE(label(namotaj, "lblNamotaji")->text(), QString("N = 80 namotaja (4 sloja po 20)"));
        QVERIFY(program.presenter.messages.isEmpty());
    }

    // "Predlozi zicu": the wire-gauge form's diameter, rounded up to a tenth into dz.
    void suggestionFillsTheWire_data() {
        QTest::addColumn<bool>("pointDecimal");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("wire");
        QTest::newRow("decimal comma") << false << "I = 5A  d = 1,46mm"
                                       << "1,5";
        QTest::newRow("decimal point") << true << "I = 5A  d = 1.46mm"
                                       << "1.5";
    }
    void suggestionFillsTheWire() {
        QFETCH(bool, pointDecimal);
        QFETCH(QString, caption);
        QFETCH(QString, wire);
        Program program(pointDecimal ? decimalPoint : decimalComma);
        QWidget* namotaj = openNamotaj(program);
        press(namotaj, "cmdPredloziZicu");
        QCOMPARE(label(namotaj, "lblZica")->text(), caption);
        QCOMPARE(field(namotaj, "txtPrecnikZice")->text(), wire);
        // The filled-in wire is read back as it stands.
        press(namotaj, "cmdIzracunaj");
        QCOMPARE(label(namotaj, "lblNamotaji")->text(), QString("N = 77 namotaja (6 slojeva po 13, u poslednjem 12)"));
        QVERIFY(program.presenter.messages.isEmpty());
    }

    // Failures: told once, naming the field; it is focused and selected; no result and no field changes.
    void failureNamesItsField_data() {
        QTest::addColumn<QString>("fieldName");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("message");
        const QString range = "Rezultat je van opsega brojeva koje racun moze da zapamti, zbog broja u polju ";
        // clang-format off
        QTest::newRow("L empty") << "txtInduktivitet" << "" << "cmdIzracunaj"
            << "Polje L (induktivitet) je prazno. Upisite broj.";
        QTest::newRow("D no number") << "txtPrecnikTela" << "trideset" << "cmdIzracunaj"
            << "U polju D (precnik tela) nije broj: \"trideset\".";
        QTest::newRow("l zero") << "txtDuzina" << "0" << "cmdIzracunaj"
            << "Broj u polju l (duzina namotaja) mora biti veci od nule.";
        QTest::newRow("dz negative") << "txtPrecnikZice" << "-1" << "cmdIzracunaj"
            << "Broj u polju dz (precnik zice) mora biti veci od nule.";
        QTest::newRow("dz beyond the single range") << "txtPrecnikZice" << "1E39" << "cmdIzracunaj"
            << "Broj u polju dz (precnik zice) je van opsega brojeva koje racun moze da zapamti.";
        QTest::newRow("wire thicker than the winding") << "txtPrecnikZice" << "25" << "cmdIzracunaj"
            << "Zica je deblja od duzine namotaja, pa nijedan namotaj ne staje u sloj. "
               "Broj u polju dz (precnik zice) mora biti najvise l (duzina namotaja).";
        QTest::newRow("no coil reaches L") << "txtInduktivitet" << "1000000000" << "cmdIzracunaj"
            << "Nijedan kalem od najvise 100000 namotaja ne dostize induktivitet iz polja L (induktivitet). "
               "Upisite manji induktivitet, ili promenite telo ili zicu.";
        QTest::newRow("D overflows") << "txtPrecnikTela" << "1E20" << "cmdIzracunaj" << range + "D (precnik tela).";
        QTest::newRow("dz too thin for the copper") << "txtPrecnikZice" << "1E-30" << "cmdIzracunaj"
            << range + "dz (precnik zice).";
        QTest::newRow("P negative") << "txtSnaga" << "-100" << "cmdPredloziZicu"
            << "Broj u polju P (snaga pojacala) ne sme biti negativan.";
        QTest::newRow("Z zero") << "txtImpedansa" << "0" << "cmdPredloziZicu"
            << "Broj u polju Z (impedansa zvucnika) mora biti veci od nule.";
        QTest::newRow("J empty") << "txtGustina" << "" << "cmdPredloziZicu"
            << "Polje J (gustina struje) je prazno. Upisite broj.";
        QTest::newRow("J too thin for the wire") << "txtGustina" << "1E-38" << "cmdPredloziZicu"
            << range + "J (gustina struje).";
        // clang-format on
    }
    void failureNamesItsField() {
        QFETCH(QString, fieldName);
        QFETCH(QString, text);
        QFETCH(QString, button);
        QFETCH(QString, message);
        Program program;
        QWidget* namotaj = openNamotaj(program);
        press(namotaj, "cmdIzracunaj");
        press(namotaj, "cmdPredloziZicu");
        const QStringList before = results(namotaj);
        retype(field(namotaj, qPrintable(fieldName)), text);
        const QString wire = field(namotaj, "txtPrecnikZice")->text();
        press(namotaj, qPrintable(button));
        QCOMPARE(program.presenter.messages.value(0), message);
        verifyToldAbout(program, field(namotaj, qPrintable(fieldName)), text);
        QCOMPARE(results(namotaj), before);
        QCOMPARE(field(namotaj, "txtPrecnikZice")->text(), wire);
    }
    // A field is read only when every field above it could be: the first bad one is named.
    void firstBadFieldIsNamed() {
        Program program;
        QWidget* namotaj = openNamotaj(program);
        retype(field(namotaj, "txtDuzina"), "x");
        retype(field(namotaj, "txtPrecnikTela"), "0");
        retype(field(namotaj, "txtGustina"), "x");
        press(namotaj, "cmdIzracunaj");
        QCOMPARE(program.presenter.messages, QStringList{"U polju l (duzina namotaja) nije broj: \"x\"."});
    }

    // From the response window: a coil's inductance arrives in L, by the region, selected.
    void inductanceArrivesInL_data() {
        QTest::addColumn<bool>("pointDecimal");
        QTest::addColumn<double>("millihenry");
        QTest::addColumn<QString>("text");
        QTest::newRow("decimal comma") << false << 1.27 << "1,27";
        QTest::newRow("decimal point") << true << 1.27 << "1.27";
        QTest::newRow("whole") << false << 12.0 << "12";
        QTest::newRow("below one tenth") << false << 0.05 << "0,05";
    }
    void inductanceArrivesInL() {
        QFETCH(bool, pointDecimal);
        QFETCH(double, millihenry);
        QFETCH(QString, text);
        Program program(pointDecimal ? decimalPoint : decimalComma);
        auto* namotaj = qobject_cast<namotaj::NamotajWindow*>(program.window->showWindow(forms::frmNamotaj));
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
