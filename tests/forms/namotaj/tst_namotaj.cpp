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
    // The coil form's example, in L selected; its captions, shown whole, and the coils around N; the loss only into
    // a usable Z; the wire suggested into dz, dl emptied for the new wire's grade 1 default, and the coil wound again
    // with it; an inductance handed over from the response window, written by the region, focused and selected.
    void exampleCoilInBothSettings_data() {
        QTest::addColumn<bool>("point");
        QTest::newRow("decimal comma") << false;
        QTest::newRow("decimal point") << true;
    }
    void exampleCoilInBothSettings() {
        QFETCH(bool, point);
        const auto n = [point](QString text) {
            return point ? text.replace(QRegularExpression(",(?=\\d)"), ".") : text;
        };
        Program program(point ? decimalPoint : decimalComma);
        auto* namotaj = static_cast<namotaj::NamotajWindow*>(program.choose("mnuNamotaj"));
        QLineEdit* inductance = field(namotaj, "txtInduktivitet");
        QCOMPARE(inductance->selectedText(), n("0,18"));
        press(namotaj, "cmdIzracunaj");
        QStringList captions;
        for (const char* name : {"lblNamotaji", "lblMere", "lblInduktivitet", "lblBakar", "lblGubitak", "lblZica"})
            captions << label(namotaj, name)->text();
        const auto* around = formkit::control<QTableWidget>(namotaj, "tblOkoN");
        // All five rows in view, under any style's least row height: the table has no scroll bar.
        QVERIFY(around->visualItemRect(around->item(4, 0)).bottom() < around->viewport()->height());
        for (int row = 0; row < around->rowCount(); ++row)
            captions << around->item(row, 0)->text() + " " + around->item(row, 1)->text() + " " +
                            around->item(row, 2)->text();
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
        retype(field(namotaj, "txtPrecnikPrekoLaka"), "1,1");
        press(namotaj, "cmdPredloziZicu");
        QCOMPARE(label(namotaj, "lblZica")->text(), n("I = 5A  d = 1,46mm"));
        QCOMPARE(field(namotaj, "txtPrecnikZice")->text() + field(namotaj, "txtPrecnikPrekoLaka")->text(), n("1,5"));
        QCOMPARE(field(namotaj, "txtPrecnikPrekoLaka")->placeholderText(), n("1,569"));
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

    // By keyboard: Enter in a field presses its part's button, Alt+I and Alt+P theirs (letters no other control of
    // the window or its menu bar takes). An edit greys the coil's results and tells a screen reader they are stale
    // until the next press; a new wire leaves them so, without a warning, while a coil field is unusable. A long
    // turns caption shows whole at the window's first size; Tab goes from "Izracunaj" through the table around N.
    void keyboardAndStaleResults() {
        Program program;
        QWidget* namotaj = program.choose("mnuNamotaj");
        const auto key = [namotaj](const char* name, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
            field(namotaj, name)->setFocus();
            QTest::keyClick(field(namotaj, name), key, modifiers);
        };
        const auto stale = [namotaj](bool expected) {
            for (const char* name :
                 {"lblNamotaji", "lblMere", "lblInduktivitet", "lblBakar", "lblGubitak", "tblOkoN"}) {
                const auto* result = formkit::control<QWidget>(namotaj, name);
                const QColor text = result->palette().color(QPalette::WindowText);
                QCOMPARE(text != namotaj->palette().color(QPalette::WindowText), expected);
                QCOMPARE(result->accessibleDescription().contains("zastarelo"), expected);
            }
        };
        key("txtPrecnikPrekoLaka", Qt::Key_Return);
        QCOMPARE(label(namotaj, "lblNamotaji")->text(), QString("N = 79 namotaja (5 slojeva po 18, u poslednjem 7)"));
        stale(false);
        for (const auto& [name, text] : {std::pair("txtInduktivitet", "68"),
                                         {"txtPrecnikTela", "40"},
                                         {"txtDuzina", "60"},
                                         {"txtPrecnikZice", "0,25"}})
            retype(field(namotaj, name), text);
        stale(true);
        key("txtDuzina", Qt::Key_I, Qt::AltModifier);  // a mnemonic presses a moment later
        const auto* turns = qobject_cast<formkit::FramedLabel*>(label(namotaj, "lblNamotaji"));
        QTRY_COMPARE(turns->shownText(), QString("N = 1821 namotaj (9 slojeva po 213, u poslednjem 117)"));
        stale(false);
        retype(field(namotaj, "txtInduktivitet"), "x");
        key("txtGustina", Qt::Key_Enter);
        QCOMPARE(field(namotaj, "txtPrecnikZice")->text(), QString("1,5"));
        stale(true);
        retype(field(namotaj, "txtSnaga"), "400");
        key("txtPrecnikTela", Qt::Key_P, Qt::AltModifier);
        QTRY_COMPARE(label(namotaj, "lblZica")->text(), QString("I = 10A  d = 2,06mm"));
        QCOMPARE(program.warner.messages, QStringList());
        QWidget* table = formkit::control<QWidget>(namotaj, "tblOkoN");
        QVERIFY(!table->accessibleName().isEmpty());
        formkit::control<QPushButton>(namotaj, "cmdIzracunaj")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), table);
        QTest::keyClick(table, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), field(namotaj, "txtSnaga"));
    }
};

QTEST_MAIN(NamotajTest)
#include "tst_namotaj.moc"
