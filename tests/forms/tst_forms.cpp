#include <QAccessible>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextEdit>

#include "form_test_support.h"
#include "formkit/framed_label.h"
#include "formkit/region.h"

using namespace testing_support;
namespace {

// One press on one form. Numbers are written with a decimal comma; under the decimal point the
// driver swaps the two separators in what is typed and shown. A press changes exactly the labels
// and fields it lists; a failure changes nothing, and names its culprit, focused and selected.
struct Case {
    const char* name;
    const char* command;  // the menu command that shows the form
    QStringList typed;    // "Text4=3000", retyped in order
    const char* button;
    QStringList shown;              // "Label11= L = 1,27mH": the labels the press writes
    const char* culprit = nullptr;  // the field a failure names
    QString warning = {};           // its exact words, where the row is about them
};

const QString outOfRange = "Rezultat je van opsega brojeva koje racun moze da zapamti, zbog broja u polju ";
const QString coilSum =
    "Zbir 3·do + 9·l + 10·h je nula, a njime se deli. Promenite do (srednji precnik), "
    "l (duzina namotaja) ili h (debljina namotaja).";

// clang-format off
const Case cases[] = {
    // Woofer: each half writes its own label from its own two fields.
    {"woofer 6 dB, defaults", "mnuBas", {}, "cmdIzracunaj6db", {"Label11= L = 1,27mH"}},
    {"woofer 12 dB, defaults", "mnuBas", {}, "cmdIzracunaj12db", {"Label12= L = 1,8mH    C = 56uF"}},
    {"woofer, right half reads its own fields", "mnuBas", {"Text1=1000", "Text5=8"}, "cmdIzracunaj12db", {"Label12= L = 3,6mH    C = 28uF"}},
    {"decimal separator", "mnuBas", {"Text2=4,5"}, "cmdIzracunaj6db", {"Label11= L = 1,43mH"}},
    {"woofer: empty Fp", "mnuBas", {"Text1="}, "cmdIzracunaj6db", {}, "Text1"},
    {"woofer: zero Z on the right", "mnuBas", {"Text5=0"}, "cmdIzracunaj12db", {}, "Text5"},
    {"woofer: a long text typed is quoted shortened", "mnuBas", {"Text1=<b>" + QString("abc ").repeated(100)}, "cmdIzracunaj6db", {}, "Text1",
     "U polju Fp (prelomna frekvencija) nije broj: \"<b>abc abc abc abc abc abc abc abc ab...\"."},
    {"woofer: beyond the single range", "mnuBas", {"Text5=1E39"}, "cmdIzracunaj12db", {}, "Text5", "Broj u polju Z (impedansa zvucnika) je van opsega brojeva koje racun moze da zapamti."},
    {"woofer: overflow blamed on the small frequency", "mnuBas", {"Text1=1e-30", "Text2=1e10"}, "cmdIzracunaj6db", {}, "Text1",
     "Rezultat je van opsega brojeva koje racun moze da zapamti, zbog broja u polju Fp (prelomna frekvencija)."},

    // Midrange: the left half sizes for 4 x Fp1 from its own Fp1; the right writes two labels.
    {"midrange 6 dB, defaults", "mnuSrednji", {}, "cmdIzracunaj6db", {"Label14= L = 0,32mH    C = 79,5uF"}},
    {"midrange 6 dB reads neither Fp2 nor the right Fp1", "mnuSrednji", {"Text2=", "Text1=1000"}, "cmdIzracunaj6db", {"Label14= L = 0,32mH    C = 79,5uF"}},
    {"midrange 12 dB, defaults", "mnuSrednji", {}, "cmdIzracunaj12db", {"Label15=L1 = 1,8mH  C1 = 56uF", "Label16=L2 = 0,18mH  C2 = 5,6uF"}},
    {"midrange 12 dB reads its own Fp1", "mnuSrednji", {"Text5=250"}, "cmdIzracunaj12db", {"Label15=L1 = 1,8mH  C1 = 56uF", "Label16=L2 = 0,18mH  C2 = 5,6uF"}},
    {"swapped frequencies accepted", "mnuSrednji", {"Text1=5000", "Text2=500"}, "cmdIzracunaj12db", {"Label15=L1 = 0,18mH  C1 = 5,6uF", "Label16=L2 = 1,8mH  C2 = 56uF"}},
    {"midrange: left zero Z", "mnuSrednji", {"Text6=0"}, "cmdIzracunaj6db", {}, "Text6"},
    {"midrange: empty Fp2 though L1, C1 need none", "mnuSrednji", {"Text1=1000", "Text2="}, "cmdIzracunaj12db", {}, "Text2"},
    {"midrange: first failing field ends the reading", "mnuSrednji", {"Text2=", "Text3=x"}, "cmdIzracunaj12db", {}, "Text2"},
    {"midrange: zero Fp2 named", "mnuSrednji", {"Text2=0"}, "cmdIzracunaj12db", {}, "Text2", "Polje Fp2 (gornja ucestanost) ne sme biti nula, jer se njime deli."},

    // Tweeter: a capacitor alone on the left; the right Z defaults to the region's 4,5.
    {"tweeter 6 dB, defaults", "mnuVisoki", {}, "cmdIzracunaj6db", {"Label14=    C = 7,95uF"}},
    {"tweeter 12 dB, regional default Z", "mnuVisoki", {}, "cmdIzracunaj12", {"Label11= L = 0,2mH    C = 4,98uF"}},
    {"caption wider than its label", "mnuVisoki", {"Text4=0,00001", "Text5=1"}, "cmdIzracunaj12", {"Label11= L = 2,25E+07mH    C = 11200000282,94uF"}},
    {"tweeter: right letters in Fp", "mnuVisoki", {"Text4=pet"}, "cmdIzracunaj12", {}, "Text4"},
    {"tweeter: zero Z named", "mnuVisoki", {"Text2=0"}, "cmdIzracunaj6db", {}, "Text2", "Polje Z (impedansa zvucnika) ne sme biti nula, jer se njime deli."},
    {"tweeter: product too small", "mnuVisoki", {"Text4=1e-30", "Text5=1e-20"}, "cmdIzracunaj12", {}, "Text4", "Proizvod Fp·Z je premali: manji je od najmanjeg broja koji racun moze da zapamti. "
     "Povecajte Fp (prelomna frekvencija) ili Z (impedansa zvucnika)."},

    // Coil: N, do, l and h in order into the coil formula.
    {"coil, the example", "mnuKalem", {}, "cmdIzracunajL", {"Label5=L = 0,18mH"}},
    {"coil: letters in N", "mnuKalem", {"Text1=osam"}, "cmdIzracunajL", {}, "Text1"},
    {"coil: empty l after good N and do", "mnuKalem", {"Text3="}, "cmdIzracunajL", {}, "Text3", "Polje l (duzina namotaja) je prazno. Upisite broj."},
    {"coil: all zero, do named, not N", "mnuKalem", {"Text1=0", "Text2=0", "Text3=0", "Text4=0"}, "cmdIzracunajL", {}, "Text2", coilSum},
    {"coil: sum cancels, do named, not l", "mnuKalem", {"Text2=10", "Text3=0", "Text4=-3"}, "cmdIzracunajL", {}, "Text2", coilSum},

    // Wire (Form1): the two texts read as doubles, only the diameter shown.
    {"wire, defaults", "mnuZica", {}, "Command1", {"Label1=1,78 mm debljuna zice"}},
    {"wire, texts beyond single range divide as doubles", "mnuZica", {"Text1=1E39", "Text2=1E38"}, "Command1", {"Label1=3,57 mm debljuna zice"}},
    {"wire: negative current blamed", "mnuZica", {"Text1=-5"}, "Command1", {}, "Text1"},
    {"wire: quotient beyond single range", "mnuZica", {"Text1=1E39", "Text2=1"}, "Command1", {}, "Text1"},
    {"wire: 0 over 0, the density named", "mnuZica", {"Text1=0", "Text2=0"}, "Command1", {}, "Text2", "Polje \"gustina struje\" ne sme biti nula, jer se njime deli."},
    {"wire: opposite signs, no cross-section", "mnuZica", {"Text2=-2"}, "Command1", {}, "Text2", "Presek zice ne moze biti negativan: broj u polju \"gustina struje\" je negativan, a drugi nije. "
     "Upisite brojeve istog znaka."},

    // Winding: a failure names the first field it could not use, and nothing changes, the wire's field neither.
    {"winding: l zero", "mnuNamotaj", {"txtDuzina=0"}, "cmdIzracunaj", {}, "txtDuzina", "Broj u polju l (duzina namotaja) mora biti veci od nule."},
    {"winding: wire thicker than the winding", "mnuNamotaj", {"txtPrecnikZice=19,95"}, "cmdIzracunaj", {}, "txtPrecnikZice", "Zica preko laka je deblja od duzine namotaja, pa nijedan namotaj ne staje u sloj. Smanjite dz (precnik zice) ili povecajte l (duzina namotaja)."},
    {"winding: dl below dz", "mnuNamotaj", {"txtPrecnikPrekoLaka=0,95"}, "cmdIzracunaj", {}, "txtPrecnikPrekoLaka", "Broj u polju dl (precnik preko laka) je manji od dz (precnik zice), a zica preko laka je deblja od bakra. Upisite veci broj, ili ostavite polje prazno."},
    {"winding: no coil reaches L", "mnuNamotaj", {"txtInduktivitet=1000000000"}, "cmdIzracunaj", {}, "txtInduktivitet", "Nijedan kalem od najvise 100000 namotaja ne dostize induktivitet iz polja L (induktivitet). Upisite manji induktivitet, ili promenite telo ili zicu."},
    {"winding: l holds more turns than any coil", "mnuNamotaj", {"txtDuzina=1E30"}, "cmdIzracunaj", {}, "txtDuzina", "U jedan sloj duzine l (duzina namotaja) stalo bi vise od 100000 namotaja, a kalem ih sme imati najvise toliko. Upisite manju duzinu namotaja."},
    {"winding: D overflows", "mnuNamotaj", {"txtPrecnikTela=1E20"}, "cmdIzracunaj", {}, "txtPrecnikTela", outOfRange + "D (precnik tela)."},
    {"winding: the first bad field from the top", "mnuNamotaj", {"txtDuzina=x", "txtPrecnikTela=0", "txtGustina=x"}, "cmdIzracunaj", {}, "txtDuzina", "U polju l (duzina namotaja) nije broj: \"x\"."},
    {"winding: P negative", "mnuNamotaj", {"txtSnaga=-100"}, "cmdPredloziZicu", {}, "txtSnaga", "Broj u polju P (snaga pojacala) ne sme biti negativan."},
    {"winding: no power, no wire, dz kept", "mnuNamotaj", {"txtSnaga=0"}, "cmdPredloziZicu", {}, "txtSnaga"},
    {"winding: P too great for any wire", "mnuNamotaj", {"txtSnaga=1E30"}, "cmdPredloziZicu", {}, "txtSnaga", "Zica za ove brojeve bila bi deblja od 5 mm, a deblje zice za namotavanje nema. Promenite P (snaga pojacala)."},
};
// clang-format on

QString underRegion(QString text, bool point) {
    if (point) text.replace(',', '\x01').replace('.', ',').replace('\x01', '.');
    return text;
}

// What the form shows: every label and field with its text.
QMap<QString, QString> shownBy(const QWidget* form) {
    QMap<QString, QString> texts;
    for (const QLabel* label : form->findChildren<QLabel*>()) texts[label->objectName()] = label->text();
    for (const QLineEdit* edit : form->findChildren<QLineEdit*>()) texts[edit->objectName()] = edit->text();
    return texts;
}

}  // namespace

class FormsTest : public QObject {
    Q_OBJECT

private slots:
    void pressShowsOrFails_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("point");
        for (int i = 0; i < int(std::size(cases)); ++i)
            for (bool point : {false, true})
                QTest::addRow("%s, %s", cases[i].name, point ? "point" : "comma") << i << point;
    }
    void pressShowsOrFails() {
        QFETCH(int, index);
        QFETCH(bool, point);
        const Case& row = cases[index];
        Program program(point ? decimalPoint : decimalComma);
        QWidget* form = program.choose(row.command);
        auto* first = qobject_cast<QLineEdit*>(QApplication::focusWidget());  // selected, so typing replaces it
        QVERIFY(first && form->isAncestorOf(first) && first->selectedText() == first->text());
        if (row.culprit)  // results to keep
            for (QPushButton* button : form->findChildren<QPushButton*>()) QTest::mouseClick(button, Qt::LeftButton);
        program.warner.messages.clear();
        for (const QString& pair : row.typed)
            retype(field(form, qPrintable(pair.section('=', 0, 0))), underRegion(pair.section('=', 1), point));
        QMap<QString, QString> expected = shownBy(form);
        for (const QString& pair : row.shown)
            expected[pair.section('=', 0, 0)] = underRegion(pair.section('=', 1), point);
        press(form, row.button);
        QCOMPARE(shownBy(form), expected);
        if (!row.culprit) {
            QCOMPARE(program.warner.messages, QStringList());
            for (const QString& pair : row.shown) {
                const QLabel* result = label(form, qPrintable(pair.section('=', 0, 0)));
                QCOMPARE(result->toolTip(), result->text());
                QCOMPARE(result->accessibleDescription(), result->text());
                // A caption fits its frame, cut with an ellipsis where it must, never as a shorter number.
                if (auto* framed = qobject_cast<const formkit::FramedLabel*>(result)) {
                    const QString seen = framed->shownText();
                    QVERIFY(framed->fontMetrics().horizontalAdvance(seen) <= framed->contentsRect().width());
                    QVERIFY(seen == result->text() ||
                            (seen.endsWith(QChar(0x2026)) && result->text().startsWith(seen.chopped(1))));
                }
            }
            return;
        }
        QLineEdit* culprit = field(form, row.culprit);
        QCOMPARE(program.warner.messages.size(), 1);
        QCOMPARE(QApplication::focusWidget(), culprit);
        QCOMPARE(culprit->selectedText(), culprit->text());
        const QString message = program.warner.messages.first();
        if (!row.warning.isEmpty()) QCOMPARE(message, row.warning);
        const QString symbol = culprit->accessibleName().section(QRegularExpression("[ ,]"), 0, 0);  // its first word
        QVERIFY2(message.contains(QRegularExpression("(^|\\W)" + QRegularExpression::escape(symbol) + "(\\W|$)")),
                 qPrintable(symbol + ": " + message));
    }

    // A result is heard with what it holds: its accessible name carries the caption, so a press changes
    // it (the end-to-end walk hears the change on the bus), on the forms and in the winding window alike.
    void resultsAreHeardWithTheirCaptions() {
        Program program;
        QWidget* bas = program.choose("mnuBas");
        QWidget* namotaj = program.choose("mnuNamotaj");
        press(bas, "cmdIzracunaj6db");
        press(namotaj, "cmdIzracunaj");
        for (QLabel* result : {label(bas, "Label11"), label(namotaj, "lblNamotaji")}) {
            const QString name = QAccessible::queryAccessibleInterface(result)->text(QAccessible::Name);
            QCOMPARE(name, result->accessibleName() + ": " + result->text());
        }
    }

    // The regional settings come from the locale, the decimal comma where it names none.
    void regionalSettings() {
        QStringList separators;
        for (const char* locale : {"C", "sr_Latn_RS", "en_US", "fr_FR"}) {
            const calc::Region region = formkit::regionOf(QLocale(locale));
            separators << QString::fromStdString(region.decimal + region.group);
        }
        QCOMPARE(separators, (QStringList{",.", ",.", ".,", QString(",") + QChar(0x202F)}));
    }

    // The coil form's explanatory text: kept byte for byte under any region, taller than its field,
    // editable, and read by no press.
    void coilNoteKeepsItsBlanksAndLines() {
        Program program(decimalPoint);
        QWidget* kalem = program.choose("mnuKalem");
        auto* note = formkit::control<QTextEdit>(kalem, "Text5");
        const QString shown = note->toPlainText().replace("\n", "\r\n");
        QCOMPARE(shown.size(), 509);
        const QStringList lines = shown.split("\r\n");
        QCOMPARE(lines.size(), 20);                                       // the last line ends with a break too
        QCOMPARE(lines[0], QString("Induktivitet   je tesko unapred "));  // triple blank inside
        QCOMPARE(lines[6], QString("4 sloja po 20  namotaja = 80"));      // double blank inside
        QCOMPARE(lines[7], QString("2. zica Fi 1mm"));                    // no trailing blank
        QCOMPARE(lines[15], QString("izracunas "));                       // trailing blank
        QCOMPARE(lines[18], QString("I=5A ide zica Fi=1,5mm pri gustini struje 3A/mm kvadratnom"));
        QVERIFY(note->verticalScrollBar()->isVisible() && note->verticalScrollBar()->maximum() > 0);
        note->setFocus();
        QTest::keyClicks(note, "moja beleska 1,5");
        QVERIFY(note->toPlainText().startsWith("moja beleska 1,5Induktivitet"));
        press(kalem, "cmdIzracunajL");
        QCOMPARE(label(kalem, "Label5")->text(), QString("L = 0.18mH"));
    }
};

QTEST_MAIN(FormsTest)
#include "tst_forms.moc"
