#include <QCheckBox>
#include <QComboBox>
#include <QTableWidget>
#include <fstream>

#include "driver/examples.h"
#include "form_test_support.h"
#include "forms/odziv/facts_model.h"

using namespace testing_support;

// The "Korekcija" window in a running main window, and its networks switched into the response window.
class KorekcijaTest : public QObject {
    Q_OBJECT

    static QString rows(const QWidget* window, const char* table) {
        const auto* parts = formkit::control<QTableWidget>(window, table);
        QStringList lines;
        for (int row = 0; row < parts->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < parts->columnCount(); ++column) cells << parts->item(row, column)->text();
            // A part the table cannot show, having no scroll bar, is no part read.
            const bool shown = parts->visualItemRect(parts->item(row, 0)).bottom() < parts->viewport()->height();
            lines << cells.join(' ') + (shown ? "" : " [skriven]");
        }
        return lines.join('|');
    }

private slots:
    // Each section's defaults (the sample woofer's figures, a 3 dB pad, a 25 cm baffle) against the closed forms:
    // Cz = Le / Re^2, Rs = Z (1 - a), the notch's conjugate, the step at 115 / 0,25 m; standard resistors E24,
    // capacitors E12, coils wound; 100 W into each section's impedance, worst at 20 kHz for the Zobel and the baffle
    // step, at fs for the notch, anywhere for the pad; every resistor above the 10 W bought. Each network computed
    // is handed over, and the baffle step's coil goes to the winding window with its Z.
    void defaultsGiveTheClosedForms() {
        Program program;
        QWidget* window = program.choose("mnuKorekcija");
        const std::tuple<const char*, const char*, const char*> sections[] = {
            {"cmdZobel", "tblZobel",
             "Rz 6 oma 6,2 oma (+3,3 %) 99,25 W na 20000 Hz pregoreo bi|Cz 15,28 uF 15 uF (-1,8 %)  "},
            {"cmdAtenuator", "tblAtenuator",
             "Rs 2,34 oma 2,4 oma (+2,6 %) 29,23 W na svim ucestanostima pregoreo bi|"
             "Rp 19,39 oma 20 oma (+3,1 %) 20,66 W na svim ucestanostima pregoreo bi"},
            {"cmdRezonancija", "tblRezonancija",
             "Rn 6,79 oma 6,8 oma (+0,1 %) 88,37 W na 42 Hz pregoreo bi|Ln 9,55 mH namotava se  |"
             "Cn 1503,73 uF 1500 uF (-0,2 %)  "},
            {"cmdPloca", "tblPloca",
             "Rb 7,96 oma 8,2 oma (+3 %) 24,99 W na 20000 Hz pregoreo bi|Lb 1,95 mH namotava se  "},
        };
        for (std::size_t kind = 0; const auto& [button, table, expected] : sections) {
            QVERIFY(!program.window->corrections().of(kind));
            press(window, button);
            QCOMPARE(rows(window, table), QString(expected));
            QVERIFY(program.window->corrections().of(kind++));
        }
        QCOMPARE(label(window, "lblStepenik")->text(), QString("Stepenik na 460 Hz: iznad njega nivo je 6 dB nizi."));
        retype(field(window, "txtSnagaOtpornika"), "100");
        press(window, "cmdZobel");
        QVERIFY(rows(window, "tblZobel").contains("99,25 W na 20000 Hz izdrzi"));
        press(window, "cmdNamotaj");
        QWidget* namotaj = program.window->findChild<namotaj::NamotajWindow*>();
        QCOMPARE(field(namotaj, "txtInduktivitet")->text() + " " + field(namotaj, "txtImpedansa")->text(),
                 QString("1,95 8"));
        QCOMPARE(program.warner.messages, QStringList());
    }

    // A field that cannot be used is named, focused and selected, and its section's table stays as it was.
    void badFieldsAreNamedAndFocused() {
        Program program;
        QWidget* window = program.choose("mnuKorekcija");
        const std::tuple<const char*, const char*, const char*, const char*> cases[] = {
            {"txtZobelOdnos", "1,3", "cmdZobel", "Broj u polju k (odnos Rz prema Re) mora biti od 1 do 1,25."},
            {"txtPadSlabljenje", "0", "cmdAtenuator", "Broj u polju A (slabljenje) mora biti veci od nule."},
            {"txtRezonRe", "1e-300", "cmdRezonancija", "Sa brojem u polju Re (otpor kalema) neki deo bi bio van"},
            {"txtSnagaOtpornika", "-1", "cmdPloca", "Broj u polju Pr (snaga otpornika) mora biti veci od nule."},
            {"txtPlocaSirina", "b", "cmdPloca", "U polju b (sirina prednje ploce) nije broj"},
        };
        for (const auto& [name, typed, button, warning] : cases) {
            retype(field(window, name), typed);
            press(window, button);
            QVERIFY2(program.warner.messages.takeLast().startsWith(warning), name);
            QCOMPARE(QApplication::focusWidget(), field(window, name));
            QCOMPARE(field(window, name)->selectedText(), QString(typed));
            field(window, name)->undo();
        }
        QCOMPARE(rows(window, "tblPloca"), QString());
        QVERIFY(!program.window->corrections().of(3));
    }

    // A driver from parameters fills every figure; one from files Re and Le fitted from its ZMA, as the window says.
    void driversFillTheFigures() {
        Program program;
        auto* window = static_cast<korekcija::KorekcijaWindow*>(program.choose("mnuKorekcija"));
        std::ifstream file(TAV20_PRIMERI "/srednji-10cm.zma", std::ios::binary);
        const auto zma =
            driver::readMeasurement(driver::FileKind::Zma, std::string(std::istreambuf_iterator(file), {}));
        formkit::Drivers& drivers = program.window->drivers();
        const auto add = [&](const char* name, driver::Driver d) {
            return drivers.add(name, "", std::make_shared<const driver::Driver>(std::move(d)), 0);
        };
        const int model = add("m", driver::examples[2].parameters), measured = add("z", driver::Measured{{}, *zma, 8});
        const auto figures = [window] {
            QStringList texts;
            for (const char* name :
                 {"txtZobelRe", "txtZobelLe", "txtRezonFs", "txtRezonQms", "txtRezonQes", "txtRezonRe"})
                texts << field(window, name)->text();
            return texts.join(' ') + " | " + label(window, "lblIzvor")->text();
        };
        window->chooseDriver(model);
        QCOMPARE(figures(), QString("4,8 0,04 750 1,8 1,4 4,8 | Iz parametara zvucnika m: Re, Le, fs, Qms i Qes."));
        window->chooseDriver(measured);
        QCOMPARE(figures(), QString("5,9 0,25 750 1,8 1,4 4,8 | Iz ZMA zvucnika z (rezonancija 86 Hz): Re = 5,9 oma, "
                                    "najmanji realni deo od 86 do 19897 Hz; Le = 0,25 mH, od 860 do 19897 Hz."));
    }

    // In the response window a correction is offered once computed, reached by Tab and heard by its curve's name.
    // A Zobel on a woofer of second order at 3000 Hz into a driver with Le 0,5 mH brings its -3 dB edge from far
    // above back to within 2 % of 3000 Hz, and the table lists its parts with their E24 and E12 values.
    void responseWindowSwitchesThemIn() {
        Program program;
        QWidget* bas = program.choose("mnuBas");
        retype(field(bas, "Text4"), "3000");
        retype(field(bas, "Text5"), "8");
        press(bas, "cmdIzracunaj12db");
        program.window->drivers().add("p", "",
                                      std::make_shared<const driver::Driver>(driver::Parameters{
                                          .re = 8, .le = 0.5, .fs = 42, .qms = 3.2, .qes = 0.42, .sensitivity = 87}),
                                      0);
        auto* odziv = static_cast<odziv::OdzivWindow*>(program.choose("mnuOdziv"));
        odziv->findChild<QComboBox*>("cboZvucnik1")->setCurrentIndex(1);
        auto* zobel = odziv->findChild<QCheckBox*>("chkKorekcija1_0");
        QCOMPARE(std::pair(zobel->isEnabled(), zobel->accessibleName()),
                 std::pair(false, QString("bas 12db/oct, Zobel")));
        const auto edge = [odziv] { return odziv->facts()->index(0, odziv::FactsModel::Edge).data().toInt(); };
        QVERIFY2(edge() > 3900, qPrintable(QString::number(edge())));

        QWidget* window = program.choose("mnuKorekcija");
        retype(field(window, "txtZobelRe"), "8");
        retype(field(window, "txtZobelLe"), "0,5");
        press(window, "cmdZobel");
        program.choose("mnuOdziv");
        odziv->findChild<QComboBox*>("cboZvucnik1")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), zobel);
        QTest::keyClick(zobel, Qt::Key_Space);
        QVERIFY2(std::abs(edge() - 3000) < 60, qPrintable(QString::number(edge())));
        QStringList parts;
        for (int row = 2; row < 4; ++row)
            for (int column : {odziv::FactsModel::PartName, odziv::FactsModel::Value, odziv::FactsModel::StandardValue})
                parts << odziv->facts()->index(row, column).data().toString();
        QCOMPARE(parts.join(" "), QString("Rz (Zobel) 8 oma 8,2 oma Cz (Zobel) 7,81 uF 8,2 uF"));
    }

    // The window opens on the driver; Tab visits the amplifier and each section's fields, button and table in order,
    // and comes round to the driver; every field has a name (with its section's where two sections share a symbol) and a tooltip, and
    // no mnemonic repeats or takes a letter of the menu bar.
    void keyboardReachesEverything() {
        Program program;
        QWidget* window = program.choose("mnuKorekcija");
        QCOMPARE(QApplication::focusWidget(), formkit::control<QWidget>(window, "cboZvucnik"));
        QStringList visited;
        for (int i = 0; i < 24; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited.join(' '),
                 QString("txtSnagaPojacala txtSnagaOtpornika txtZobelRe txtZobelLe txtZobelOdnos "
                         "cmdZobel tblZobel txtPadSlabljenje txtPadZ cmdAtenuator tblAtenuator "
                         "txtRezonFs txtRezonQms txtRezonQes txtRezonRe cmdRezonancija tblRezonancija "
                         "txtPlocaSirina txtPlocaGubitak txtPlocaZ cmdPloca tblPloca cboZvucnik "
                         "txtSnagaPojacala"));
        QCOMPARE(field(window, "txtRezonRe")->accessibleName(), QString("Re, otpor kalema (Filter rezonancije)"));
        for (const QLineEdit* edit : window->findChildren<QLineEdit*>())
            QVERIFY2(!edit->accessibleName().isEmpty() && !edit->toolTip().isEmpty(), qPrintable(edit->objectName()));
        QString mnemonics = "ftkzoanec";
        for (const QWidget* control : window->findChildren<QWidget*>()) {
            const auto* label = qobject_cast<const QLabel*>(control);
            const auto* button = qobject_cast<const QAbstractButton*>(control);
            const QString text = label ? label->text() : button ? button->text() : QString();
            if (const qsizetype at = text.indexOf('&'); at >= 0) {
                QVERIFY2(!mnemonics.contains(text[at + 1].toLower()), qPrintable(text));
                mnemonics += text[at + 1].toLower();
            }
        }
        QCOMPARE(mnemonics.size(), 15);
    }
};

QTEST_MAIN(KorekcijaTest)
#include "tst_korekcija.moc"
