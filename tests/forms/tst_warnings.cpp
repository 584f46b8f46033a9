#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "form_test_support.h"
#include "forms/forms.h"

using namespace testing_support;
using forms::FormDesign;

Q_DECLARE_METATYPE(const FormDesign*)

// What a failed press tells the user: the real cause, in a plain-text sentence
// of normal size, with the focus in a field that can fix it.
class WarningsTest : public QObject {
    Q_OBJECT

    // Fields as "Text3=0" pairs, typed in order.
    static QWidget* typeInto(const Program& program, const FormDesign* design, const QStringList& typed) {
        QWidget* form = program.window->showForm(*design);
        for (const QString& pair : typed)
            retype(field(form, qPrintable(pair.section('=', 0, 0))), pair.section('=', 1));
        return form;
    }

private slots:
    // The step that failed is named: a zero field by itself, a zero sum as the labels write it, a
    // product too small to hold as a product, an overflow by the field that drives it.
    void realCauseIsNamed_data() {
        QTest::addColumn<const FormDesign*>("design");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QString>("focused");
        const QString coilSum =
            "Zbir 3·do + 9·l + 10·h je nula, a njime se deli. Promenite do (srednji precnik), "
            "l (duzina namotaja) ili h (debljina namotaja).";
        // clang-format off
        QTest::newRow("coil, all zero: not N") << &forms::frmKalem << QStringList{"Text1=0", "Text2=0", "Text3=0", "Text4=0"}
            << "cmdIzracunajL" << coilSum << "Text2";
        QTest::newRow("coil, sum cancels: not l") << &forms::frmKalem << QStringList{"Text2=10", "Text3=0", "Text4=-3"}
            << "cmdIzracunajL" << coilSum << "Text2";
        QTest::newRow("wire, 0 over 0: the density") << &forms::Form1 << QStringList{"Text1=0", "Text2=0"} << "Command1"
            << "Polje \"gustina struje\" ne sme biti nula, jer se njime deli." << "Text2";
        QTest::newRow("tweeter, product too small") << &forms::frmVisoki << QStringList{"Text4=1e-30", "Text5=1e-20"}
            << "cmdIzracunaj12" << "Proizvod Fp·Z je premali: manji je od najmanjeg broja koji racun moze da zapamti. "
                                   "Povecajte Fp (prelomna frekvencija) ili Z (impedansa zvucnika)." << "Text4";
        QTest::newRow("tweeter, zero impedance") << &forms::frmVisoki << QStringList{"Text2=0"} << "cmdIzracunaj6db"
            << "Polje Z (impedansa zvucnika) ne sme biti nula, jer se njime deli." << "Text2";
        QTest::newRow("midrange, upper frequency zero") << &forms::frmSrednji << QStringList{"Text2=0"}
            << "cmdIzracunaj12db" << "Polje Fp2 (gornja ucestanost) ne sme biti nula, jer se njime deli." << "Text2";
        QTest::newRow("woofer, overflow by a small frequency") << &forms::frmBas << QStringList{"Text1=1e-30", "Text2=1e10"}
            << "cmdIzracunaj6db" << "Rezultat je van opsega brojeva koje racun moze da zapamti, zbog broja u polju "
                                    "Fp (prelomna frekvencija)." << "Text1";
        QTest::newRow("wire, opposite signs") << &forms::Form1 << QStringList{"Text2=-2"} << "Command1"
            << "Presek zice ne moze biti negativan: broj u polju \"gustina struje\" je negativan, a drugi nije. "
               "Upisite brojeve istog znaka." << "Text2";
        QTest::newRow("coil, empty l") << &forms::frmKalem << QStringList{"Text3="} << "cmdIzracunajL"
            << "Polje l (duzina namotaja) je prazno. Upisite broj." << "Text3";
        QTest::newRow("out of range") << &forms::frmBas << QStringList{"Text5=1E39"} << "cmdIzracunaj12db"
            << "Broj u polju Z (impedansa zvucnika) je van opsega brojeva koje racun moze da zapamti." << "Text5";
        // clang-format on
    }
    void realCauseIsNamed() {
        QFETCH(const FormDesign*, design);
        QFETCH(QStringList, typed);
        QFETCH(QString, button);
        QFETCH(QString, warning);
        QFETCH(QString, focused);
        Program program;
        QWidget* form = typeInto(program, design, typed);
        press(form, qPrintable(button));
        QCOMPARE(program.presenter.messages, QStringList{warning});
        QLineEdit* culprit = field(form, qPrintable(focused));
        QCOMPARE(culprit->window()->focusWidget(), culprit);
        QCOMPARE(culprit->selectedText(), culprit->text());
    }

    // Typed text is quoted on one line and cut to about 40 characters, however long it is.
    void typedTextIsQuotedShortened() {
        Program program;
        QWidget* bas = typeInto(program, &forms::frmBas, {});
        field(bas, "Text1")->setText("<b>" + QString("abc ").repeated(5000));
        press(bas, "cmdIzracunaj6db");
        const QString warning = program.presenter.messages.value(0);
        const QString quote = warning.section('"', 1, 1);
        QVERIFY2(quote.size() <= 40 && quote.endsWith("..."), qPrintable(warning));
        QVERIFY(quote.startsWith("<b>abc abc"));
        QVERIFY(warning.startsWith("U polju Fp (prelomna frekvencija) nije broj: \""));
    }

    // The real box shows markup as the characters typed, and its button speaks Serbian.
    void boxShowsPlainText() {
        Program program;
        forms::MessageBoxPresenter presenter;
        const QString message = "U polju Fp nije broj: \"<img src=/etc/hostname><font size=7>abc\".";
        QString shownText, button;
        Qt::TextFormat format = Qt::AutoText;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            shownText = box->text();
            format = box->textFormat();
            button = box->buttons().value(0)->text();
            box->accept();
        });
        presenter.warn(program.window.get(), message);
        QCOMPARE(format, Qt::PlainText);
        QCOMPARE(shownText, message);
        QCOMPARE(button, QString("U redu"));
    }
};

QTEST_MAIN(WarningsTest)
#include "tst_warnings.moc"
