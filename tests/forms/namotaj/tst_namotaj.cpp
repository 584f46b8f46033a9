#include <QRegularExpression>
#include <QTableWidget>

#include "form_test_support.h"
#include "formkit/framed_label.h"
#include "forms/namotaj/namotaj_window.h"

using namespace testing_support;

// The "Namotaj kalema" window in a running main window; its failures are rows of the forms' table.
class NamotajTest : public QObject {
    Q_OBJECT

private slots:
    // The coil form's example, in L selected; its captions, shown whole, and the coils around N; the loss only into a usable
    // Z; the wire suggested into dz and read back from there; an inductance handed over from the
    // response window, written by the region, focused and selected.
    void exampleCoilInBothSettings_data() {
        QTest::addColumn<bool>("point");
        QTest::newRow("decimal comma") << false;
        QTest::newRow("decimal point") << true;
    }
    void exampleCoilInBothSettings() {
        QFETCH(bool, point);
        const auto n = [point](QString text) { return point ? text.replace(QRegularExpression(",(?=\\d)"), ".") : text; };
        Program program(point ? decimalPoint : decimalComma);
        auto* namotaj = static_cast<namotaj::NamotajWindow*>(program.choose("mnuNamotaj"));
        QLineEdit* inductance = field(namotaj, "txtInduktivitet");
        QCOMPARE(inductance->selectedText(), n("0,18"));
        press(namotaj, "cmdIzracunaj");
        QStringList captions;
        for (const char* name : {"lblNamotaji", "lblMere", "lblInduktivitet", "lblBakar", "lblGubitak", "lblZica"})
            captions << label(namotaj, name)->text();
        const auto* around = formkit::control<QTableWidget>(namotaj, "tblOkoN");
        for (int row = 0; row < around->rowCount(); ++row)
            captions << around->item(row, 0)->text() + " " + around->item(row, 1)->text() + " " + around->item(row, 2)->text();
        QCOMPARE(captions.join('|'), n("N = 79 namotaja (5 slojeva po 18, u poslednjem 7)|h = 5,31mm  do = 35,31mm|"
                                       "L = 0,18mH|zica 8,62m  R = 0,19 oma (20 °C)  60,16g|gubitak na kalemu -0,4 dB||"
                                       "77 5 0,1714|78 5 0,1759|79 5 0,1804|80 5 0,185|81 5 0,1896"));
        for (const auto* result : namotaj->findChildren<formkit::FramedLabel*>())
            QCOMPARE(result->shownText(), result->text());
        for (const auto& [impedance, loss] :
             {std::pair("8", "gubitak na kalemu -0,2 dB"), {"", ""}, {"osam", ""}, {"0", ""}, {"-4", ""}}) {
            retype(field(namotaj, "txtImpedansa"), impedance);
            press(namotaj, "cmdIzracunaj");
            QCOMPARE(label(namotaj, "lblGubitak")->text(), n(loss));
        }
        retype(field(namotaj, "txtImpedansa"), "4");
        press(namotaj, "cmdPredloziZicu");
        QCOMPARE(label(namotaj, "lblZica")->text(), n("I = 5A  d = 1,46mm"));
        QCOMPARE(field(namotaj, "txtPrecnikZice")->text(), n("1,5"));
        QCOMPARE(field(namotaj, "txtPrecnikPrekoLaka")->placeholderText(), n("1,569"));  // grade 1 for the new wire
        press(namotaj, "cmdIzracunaj");
        QCOMPARE(label(namotaj, "lblNamotaji")->text(), QString("N = 76 namotaja (7 slojeva po 12, u poslednjem 4)"));
        for (const auto& [millihenry, text] : {std::pair(1.27, "1,27"), {12.0, "12"}, {0.05, "0,05"}}) {
            field(namotaj, "txtSnaga")->setFocus();
            namotaj->takeCoil({millihenry, 4});
            QCOMPARE(inductance->text(), n(text));
            QCOMPARE(QApplication::focusWidget(), inductance);
            QCOMPARE(inductance->selectedText(), inductance->text());
        }
        press(namotaj, "cmdIzracunaj");
        QVERIFY(program.warner.messages.isEmpty());
    }
    // Results describe the fields they came from: an edit greys them and tells a screen reader so, until the
    // next press; a new wire winds the coil again where its fields allow, and quietly leaves it where they do not.
    void resultsGoStaleUntilTheNextPress() {
        Program program;
        QWidget* namotaj = program.choose("mnuNamotaj");
        QList<QWidget*> coilResults;
        for (const char* name : {"lblNamotaji", "lblMere", "lblInduktivitet", "lblBakar", "lblGubitak", "tblOkoN"})
            coilResults << formkit::control<QWidget>(namotaj, name);
        const auto stale = [&](bool expected) {
            for (const QWidget* result : coilResults) {
                const bool greyed = result->palette().color(QPalette::WindowText) != namotaj->palette().color(QPalette::WindowText);
                QCOMPARE(greyed, expected);
                QCOMPARE(result->accessibleDescription().contains("zastarelo"), expected);
            }
        };
        press(namotaj, "cmdIzracunaj");
        stale(false);
        retype(field(namotaj, "txtPrecnikTela"), "40");
        stale(true);
        press(namotaj, "cmdIzracunaj");
        stale(false);
        QCOMPARE(label(namotaj, "lblNamotaji")->text(), QString("N = 65 namotaja (4 sloja po 18, u poslednjem 11)"));
        retype(field(namotaj, "txtPrecnikPrekoLaka"), "1,1");
        press(namotaj, "cmdPredloziZicu");  // 1,5 into dz, dl emptied: the coil wound again with it
        stale(false);
        QCOMPARE(label(namotaj, "lblNamotaji")->text(), QString("N = 63 namotaja (6 slojeva po 12, u poslednjem 3)"));
        retype(field(namotaj, "txtInduktivitet"), "x");
        retype(field(namotaj, "txtSnaga"), "200");
        press(namotaj, "cmdPredloziZicu");
        QCOMPARE(field(namotaj, "txtPrecnikZice")->text(), QString("1,8"));
        stale(true);
        QCOMPARE(program.warner.messages, QStringList());
    }
    // The keyboard: Enter in a field presses its part's button, and each button has a mnemonic of its own in
    // the window and its menu bar; a long turns caption shows whole at the window's first size; Tab goes from
    // "Izracunaj" through the table around N on to P.
    void keyboardAndWholeCaptions() {
        Program program;
        QWidget* namotaj = program.choose("mnuNamotaj");
        const auto key = [](const char* name, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
            field(QApplication::activeWindow(), name)->setFocus();
            QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        };
        key("txtPrecnikPrekoLaka", Qt::Key_Return);
        QCOMPARE(label(namotaj, "lblNamotaji")->text(), QString("N = 79 namotaja (5 slojeva po 18, u poslednjem 7)"));
        for (const auto& [name, text] : {std::pair("txtInduktivitet", "68"), {"txtPrecnikTela", "40"}, {"txtDuzina", "60"}, {"txtPrecnikZice", "0,25"}})
            retype(field(namotaj, name), text);
        key("txtDuzina", Qt::Key_I, Qt::AltModifier);
        const auto* turns = qobject_cast<formkit::FramedLabel*>(label(namotaj, "lblNamotaji"));
        QTRY_COMPARE(turns->shownText(), QString("N = 1821 namotaj (9 slojeva po 213, u poslednjem 117)"));
        key("txtGustina", Qt::Key_Enter);
        QCOMPARE(label(namotaj, "lblZica")->text(), QString("I = 5A  d = 1,46mm"));
        retype(field(namotaj, "txtSnaga"), "400");
        key("txtPrecnikTela", Qt::Key_P, Qt::AltModifier);
        QTRY_COMPARE(label(namotaj, "lblZica")->text(), QString("I = 10A  d = 2,06mm"));
        formkit::control<QPushButton>(namotaj, "cmdIzracunaj")->setFocus();
        QStringList tabs;
        for (int i = 0; i < 2; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            tabs << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(tabs, (QStringList{"tblOkoN", "txtSnaga"}));
        QVERIFY(!formkit::control<QWidget>(namotaj, "tblOkoN")->accessibleName().isEmpty());
    }
};

QTEST_MAIN(NamotajTest)
#include "tst_namotaj.moc"
