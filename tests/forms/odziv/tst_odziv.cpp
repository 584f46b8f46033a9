#include <QAccessible>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QImageReader>
#include <QLegendMarker>
#include <QLineSeries>
#include <QListView>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QSplitter>
#include <QStorageInfo>
#include <QTableView>
#include <QTemporaryDir>
#include <QValueAxis>

#include "form_test_support.h"
#include "forms/odziv/driver_dialog.h"
#include "forms/odziv/facts_model.h"
#include "forms/odziv/response_charts.h"

using namespace testing_support;
using odziv::FactsModel;

// The response window as a builder uses it: press, look, compare, sum.
class OdzivTest : public QObject {
    Q_OBJECT

    static odziv::OdzivWindow* open(const Program& program) {
        return static_cast<odziv::OdzivWindow*>(program.choose("mnuOdziv"));
    }
    // Types into a form's fields ("Text4=3000") and presses the button.
    static QWidget* pressOn(const Program& program, const char* command, const QStringList& typed, const char* button) {
        QWidget* form = program.choose(command);
        for (const QString& pair : typed)
            retype(field(form, qPrintable(pair.section('=', 0, 0))), pair.section('=', 1));
        press(form, button);
        return form;
    }
    static QString cell(const odziv::OdzivWindow* window, int row, int column) {
        return window->facts()->index(row, column).data().toString();
    }
    // The names the legend shows, one per curve drawn.
    static QStringList legendNames(const odziv::OdzivWindow* window) {
        QStringList names;
        for (QLegendMarker* marker : window->charts()->levelChart()->legend()->markers())
            if (marker->isVisible()) names << marker->label();
        return names;
    }
    static QLineSeries* levelOf(const odziv::OdzivWindow* window, const QString& name) {
        for (QAbstractSeries* series : window->charts()->levelChart()->series())
            if (series->name() == name && series->isVisible()) return static_cast<QLineSeries*>(series);
        return nullptr;
    }
    // The drawn level nearest to a frequency.
    static double levelAt(const QLineSeries* series, double hertz) {
        QPointF nearest = series->points().first();
        for (const QPointF& point : series->points())
            if (std::abs(std::log(point.x() / hertz)) < std::abs(std::log(nearest.x() / hertz))) nearest = point;
        return nearest.y();
    }
    // The dialog that enters a driver, opened by its button.
    static odziv::DriverDialog* enter(odziv::OdzivWindow* window, const char* button) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // the dialog closed before
        QTest::mouseClick(window->findChild<QPushButton*>(button), Qt::LeftButton);
        return window->findChild<odziv::DriverDialog*>();
    }
    // The letters taken before, then the mnemonic of each label and button the window shows.
    static QString mnemonicsOf(const QWidget* window, QString taken) {
        for (const QWidget* control : window->findChildren<QWidget*>()) {
            const auto* label = qobject_cast<const QLabel*>(control);
            const auto* button = qobject_cast<const QAbstractButton*>(control);
            const QString text = label ? label->text() : button ? button->text() : QString();
            const qsizetype at = text.indexOf('&');
            if (at >= 0 && control->isVisibleTo(window)) taken += text[at + 1].toLower();
        }
        return taken;
    }
    static QComboBox* driverOf(const odziv::OdzivWindow* window, int half) {
        return window->findChild<QComboBox*>(QString("cboZvucnik%1").arg(half));
    }
    // Woofer and tweeter of second order at 3000 Hz into 8 ohm, in the window.
    static odziv::OdzivWindow* twoWay(const Program& program) {
        pressOn(program, "mnuBas", {"Text4=3000", "Text5=8"}, "cmdIzracunaj12db");
        pressOn(program, "mnuVisoki", {"Text4=3000", "Text5=8"}, "cmdIzracunaj12");
        return open(program);
    }

private slots:
    // A curve appears after a press, whenever the window is opened, changes with the next press,
    // stays after a failed one and goes with its form. The legend names each curve once, without its
    // dashed twin, also for a press made before the window was opened.
    void curvesFollowPressesAndForms() {
        Program program;
        QWidget* bas = pressOn(program, "mnuBas", {}, "cmdIzracunaj6db");
        odziv::OdzivWindow* window = open(program);
        QCOMPARE(legendNames(window), QStringList{"bas 6db/octavi"});
        pressOn(program, "mnuBas", {"Text1=1000"}, "cmdIzracunaj6db");
        QCOMPARE(cell(window, 0, FactsModel::Value), QString("0,636 mH"));
        pressOn(program, "mnuBas", {"Text1="}, "cmdIzracunaj6db");
        QCOMPARE(cell(window, 0, FactsModel::Value), QString("0,636 mH"));
        pressOn(program, "mnuSrednji", {}, "cmdIzracunaj12db");
        QCOMPARE(legendNames(window), (QStringList{"bas 6db/octavi", "Srednjetonci 12db/oct"}));
        bas->parentWidget()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(legendNames(window), QStringList{"Srednjetonci 12db/oct"});
        QVERIFY(!levelOf(window, "bas 6db/octavi"));
    }

    // The table: parts as the labels write them, standard capacitors, edges in whole hertz,
    // deviations with one decimal; for a midrange whose Fp1 is not below Fp2, which has no pass band,
    // a line that says so in place of deviations.
    void tableHoldsTheFacts() {
        Program program;
        odziv::OdzivWindow* window = twoWay(program);
        pressOn(program, "mnuSrednji", {}, "cmdIzracunaj6db");
        pressOn(program, "mnuVisoki", {"Text2=3"}, "cmdIzracunaj6db");  // C = 10,6 uF
        const QStringList woofer{"bas 12db/oct", "L", "0,6 mH", "", "0", "3000", "3001", "0,0 %", "3001", "0,0 %", ""};
        // Series L, C and R: |wL - 1/(wC)| = R at 414 and 2404 Hz, with 82 uF at 403 and 2393 Hz.
        const QStringList midrange{
            "Srednjetonci 6db/oct", "L",          "0,32 mH",           "",           "0",
            "500 / 2000",           "414 / 2404", "-17,2 % / +20,2 %", "403 / 2393", "-19,3 % / +19,6 %"};
        const QStringList capacitor{"visokotonci 12db/oct", "C", "4,67 uF", "4,7 uF", "", "", "", "", "", "", ""};
        for (const auto& [row, expected] : {std::pair{0, woofer}, {2, midrange}, {6, capacitor}})
            for (int column = 0; column < expected.size(); ++column)
                QCOMPARE(cell(window, row, column), expected[column]);
        // Between 10 and 12 of the E12 series, between 10 and 11 of the E24, nearest on a log scale.
        QCOMPARE(cell(window, 4, FactsModel::StandardValue), QString("10 uF"));
        window->findChild<QComboBox*>()->setCurrentIndex(1);
        QCOMPARE(cell(window, 4, FactsModel::StandardValue), QString("11 uF"));
        for (const QString fp2 : {"23", "16981"}) {
            pressOn(program, "mnuSrednji", {"Text1=16981", "Text2=" + fp2, "Text3=1"}, "cmdIzracunaj12db");
            QCOMPARE(cell(window, 8, FactsModel::PartName),
                     QString("Nema propusnog opsega: Fp1 nije ispod Fp2, pa odstupanja nemaju smisla."));
            QCOMPARE(cell(window, 4, FactsModel::Deviation) + cell(window, 4, FactsModel::StandardDeviation), "");
        }
    }

    // Second order at the same Fp: wired alike, the sum has a deep notch at Fp; with the tweeter reversed it
    // rises smoothly to some +3 dB there. One curve alone is no sum. The table tells the sum's level at each
    // crossover frequency, its pass band and its deepest dip and highest peak there. Below the floor no line
    // runs: a curve leaves the chart at the floor and comes back where it rises above it.
    void sumShowsTheNotchAndTheReversedRise() {
        Program program;
        odziv::OdzivWindow* window = twoWay(program);
        const auto sumRows = [window] {
            QStringList rows;
            for (int row = 4; row < window->facts()->rowCount(); ++row)
                rows << cell(window, row, FactsModel::CurveName) + ": " + cell(window, row, FactsModel::PartName);
            return rows;
        };
        window->findChild<QCheckBox*>("chkZbir1")->click();
        QVERIFY(!levelOf(window, "zbir") && sumRows().isEmpty());
        window->findChild<QCheckBox*>("chkZbir5")->click();
        QVERIFY(levelAt(levelOf(window, "zbir"), 3000) < -20);
        QVERIFY2(sumRows().join('|').contains(QRegularExpression("pad u propusnom opsegu: -1\\d\\d,\\d dB na 3007 Hz")),
                 qPrintable(sumRows().join('|')));
        int floorEnds = 0;  // the woofer's, the tweeter's and both sides of the sum's notch, computed and with E12
        for (QAbstractSeries* series : window->charts()->levelChart()->series()) {
            const QList<QPointF> points = static_cast<QLineSeries*>(series)->points();
            for (qsizetype i = 0; i < points.size(); ++i) {
                QVERIFY(points[i].y() >= odziv::ResponseCharts::floor);
                floorEnds += points[i].y() == odziv::ResponseCharts::floor;
                QVERIFY2(points[i].y() > odziv::ResponseCharts::floor || i == 0 || i + 1 == points.size(),
                         qPrintable(QString::number(points[i].x())));
            }
        }
        QVERIFY(floorEnds >= 6);
        window->findChild<QCheckBox*>("chkObrnut5")->click();
        const QLineSeries* sum = levelOf(window, "zbir");
        QVERIFY(std::abs(levelAt(sum, 3000) - 3) < 0.5);
        for (double hertz : {100.0, 30000.0}) QVERIFY(std::abs(levelAt(sum, hertz)) < 0.5);
        QCOMPARE(sumRows(), (QStringList{"zbir: Nivo na 3000 Hz: +3,0 dB", "zbir: Propusni opseg: od 20 do 20000 Hz",
                                         "zbir: Najdublji pad u propusnom opsegu: nema",
                                         "zbir: Najvisi vrh u propusnom opsegu: +3,0 dB na 3007 Hz",
                                         "zbir: Najmanja impedansa: 8 oma na 20 Hz"}));
    }

    // The level axis grows in steps of 6 dB to hold the highest peak drawn (+6,7 dB; +38,2 dB at 5260 Hz with
    // Fp1 5000 above Fp2 500, between two points of an even sweep), and comes back to +6 dB. Opened empty, then
    // filled with every half, the table keeps room for six rows, in a splitter with the charts.
    void levelAxisAndTableHoldEverything() {
        Program program;
        odziv::OdzivWindow* window = open(program);
        const auto* axis = static_cast<QValueAxis*>(window->charts()->levelChart()->axes(Qt::Vertical).first());
        for (const auto& [fp1, fp2, top] :
             {std::tuple{"2000", "2500", 12.0}, {"5000", "500", 42.0}, {"500", "5000", 6.0}}) {
            pressOn(program, "mnuSrednji", {QString("Text1=") + fp1, QString("Text2=") + fp2, "Text3=8"},
                    "cmdIzracunaj12db");
            QCOMPARE(axis->max(), top);
        }
        for (const auto& [command, button] : {std::pair{"mnuBas", "cmdIzracunaj6db"},
                                              {"mnuBas", "cmdIzracunaj12db"},
                                              {"mnuSrednji", "cmdIzracunaj6db"},
                                              {"mnuVisoki", "cmdIzracunaj6db"},
                                              {"mnuVisoki", "cmdIzracunaj12"}})
            pressOn(program, command, {}, button);
        program.choose("mnuOdziv");
        QTest::qWait(0);
        const auto* table = window->findChild<QTableView*>();
        QVERIFY2(table->viewport()->height() >= 6 * table->rowHeight(0),
                 qPrintable(QString::number(table->viewport()->height())));
        auto* splitter = window->findChild<QSplitter*>();
        QVERIFY(splitter->isAncestorOf(table));
        // A low phase chart writes every other label rather than "..." for each.
        const auto* phase = static_cast<QValueAxis*>(window->charts()->phaseChart()->axes(Qt::Vertical).first());
        for (const auto& [height, interval] : {std::pair{900, 180.0}, {1100, 90.0}}) {
            window->resize(1140, height);
            QTest::qWait(0);
            splitter->setSizes({10000, 1});
            QTest::qWait(0);
            QCOMPARE(phase->tickInterval(), interval);
            QVERIFY(!phase->labelsTruncated());
        }
    }

    // The window opens on its table, and Tab visits every control in order and comes round again: each curve's
    // choices, Namotaj..., the resistance from the winding, the drivers, the series, Sacuvaj sliku... and
    // Izvezi tabelu (CSV)...; no two
    // mnemonics clash, nor one with the menu's. A screen reader hears the choices as check boxes with their state,
    // which its toggle action and the space bar both turn, and the charts and drivers by name, the charts with
    // what they show.
    void keyboardAndScreenReaderReachEverything() {
        Program program;
        odziv::OdzivWindow* window = twoWay(program);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("tblDelovi"));
        window->findChild<QTableView*>()->setCurrentIndex(window->facts()->index(0, 0));  // a coil: Namotaj... is on
        QStringList visited;
        for (int i = 0; i < 18; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, (QStringList{"chkZbir1", "chkObrnut1", "cboZvucnik1", "chkZbir5", "chkObrnut5", "cboZvucnik5",
                                       "cmdNamotaj", "cmdOtporIzNamotaja", "lstZvucnici", "cmdZvucnikParametri",
                                       "cmdZvucnikMerenje", "cmdUkloniZvucnik", "cboStandardni", "cmdSacuvajSliku",
                                       "cmdIzveziTabelu", "tblDelovi", "chkZbir1", "chkObrnut1"}));
        // Each mnemonic once, and none that the main window's menu takes.
        const QString mnemonics = mnemonicsOf(window, "ftkzoanec");
        QCOMPARE(QSet<QChar>(mnemonics.begin(), mnemonics.end()).size(), 18);
        QCOMPARE(mnemonics.size(), 18);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QAccessibleInterface* box = QAccessible::queryAccessibleInterface(QApplication::focusWidget());
        QCOMPARE(std::pair(box->role(), box->text(QAccessible::Name)),
                 std::pair(QAccessible::CheckBox, QString("bas 12db/oct, u zbiru")));
        QVERIFY(box->state().checkable && !box->state().checked);
        box->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QVERIFY(box->state().checked);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QVERIFY(!box->state().checked);
        QStringList charts;
        for (QChartView* view : window->findChildren<QChartView*>()) {
            const QAccessibleInterface* chart = QAccessible::queryAccessibleInterface(view);
            charts << chart->text(QAccessible::Name);
            QVERIFY(chart->text(QAccessible::Description).contains("od 10 do 40000 Hz"));
        }
        QCOMPARE(charts, (QStringList{"Nivo", "Faza", "Impedansa", "Faza impedanse"}));
        const auto labels = QAccessible::queryAccessibleInterface(window->findChild<QComboBox*>("cboZvucnik5"))
                                ->relations(QAccessible::Label);
        QVERIFY(!labels.isEmpty() && labels.first().first->text(QAccessible::Name) == "visokotonci 12db/oct");
    }

    // Each driver dialog: Tab visits every control and comes round, each heard by a name of its own, and its
    // mnemonics are its own.
    void driverDialogsByKeyboardAndScreenReader() {
        Program program;
        odziv::OdzivWindow* window = open(program);
        for (const char* button : {"cmdZvucnikParametri", "cmdZvucnikMerenje"}) {
            odziv::DriverDialog* dialog = enter(window, button);
            dialog->activateWindow();
            QTRY_VERIFY(dialog->isAncestorOf(QApplication::focusWidget()));
            qsizetype controls = 0;
            for (const QWidget* control : dialog->findChildren<QWidget*>())
                controls += (control->focusPolicy() & Qt::TabFocus) && control->isVisibleTo(dialog);
            QStringList names;
            QWidget* first = QApplication::focusWidget();
            do {
                names << QAccessible::queryAccessibleInterface(QApplication::focusWidget())->text(QAccessible::Name);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            } while (QApplication::focusWidget() != first && names.size() <= controls);
            QCOMPARE(names.size(), controls);
            QVERIFY2(!names.contains(QString()) && QSet<QString>(names.begin(), names.end()).size() == names.size(),
                     qPrintable(names.join('|')));
            const QString mnemonics = mnemonicsOf(dialog, {});
            QCOMPARE(QSet<QChar>(mnemonics.begin(), mnemonics.end()).size(), mnemonics.size());
            dialog->reject();
        }
    }

    // A driver's acoustic centre d mm behind the other's delays its sound by d / c: 57 mm, half a period at
    // 3000 Hz, sums there as the reversed polarity does with both centres in line, and reversed as well, nearly
    // to nothing.
    void acousticOffsetDelaysTheSound() {
        Program program;
        odziv::OdzivWindow* window = twoWay(program);
        for (const char* offset : {"0", "57"}) {
            odziv::DriverDialog* dialog = enter(window, "cmdZvucnikParametri");
            dialog->findChild<QLineEdit*>("txtPomak")->setText(offset);
            QVERIFY(dialog->add());
        }
        driverOf(window, 1)->setCurrentIndex(1);
        driverOf(window, 5)->setCurrentIndex(1);
        for (const char* box : {"chkZbir1", "chkZbir5", "chkObrnut5"}) window->findChild<QCheckBox*>(box)->click();
        const double reversed = levelAt(levelOf(window, "zbir"), 3000);
        driverOf(window, 5)->setCurrentIndex(2);
        QVERIFY(levelAt(levelOf(window, "zbir"), 3000) < reversed - 20);
        window->findChild<QCheckBox*>("chkObrnut5")->click();
        QVERIFY2(std::abs(levelAt(levelOf(window, "zbir"), 3000) - reversed) < 0.15,
                 qPrintable(QString::number(reversed)));
    }

    // A two-way on the sample drivers: the woofer's FRD chosen by keyboard (its path typed into the file
    // dialog and Enter), the rest read alike, then picked for each curve. Into the woofer's rising impedance
    // the low-pass reaches far above 3000 Hz, in the voltage across it and in its sound against it alone;
    // entered by the parameters that wrote its files (the dialog's defaults), it gives the same. Beyond a
    // file's samples the line is faint; the amplifier's lowest impedance is in the table; a driver removed
    // leaves its curve on the resistor Z again. A file without phase says that its phase is derived.
    void realDriversFromFilesAndParameters() {
        Program program;
        odziv::OdzivWindow* window = twoWay(program);
        odziv::DriverDialog* dialog = enter(window, "cmdZvucnikMerenje");
        QTest::mouseClick(dialog->findChild<QPushButton*>("cmdFrd"), Qt::LeftButton);
        auto* fileName = dialog->findChild<QFileDialog*>("dlgDatoteka")->findChild<QLineEdit*>("fileNameEdit");
        fileName->setText(TAV20_PRIMERI "/bas-16cm.frd");  // as typed, without the completer's popup
        QTest::keyClick(fileName, Qt::Key_Return);
        QCOMPARE(dialog->findChild<QLabel*>("lblFrd")->text(), QString("bas-16cm.frd: 20 do 19897 Hz"));
        QVERIFY(dialog->load(driver::FileKind::Zma, TAV20_PRIMERI "/bas-16cm.zma") && dialog->add());
        dialog = enter(window, "cmdZvucnikMerenje");
        for (const auto& [kind, name] :
             {std::pair{driver::FileKind::Frd, "/visoki-25mm.frd"}, {driver::FileKind::Zma, "/visoki-25mm.zma"}})
            QVERIFY(dialog->load(kind, TAV20_PRIMERI + QString(name)));
        QCOMPARE(dialog->findChild<QLabel*>("lblFrd")->text(),
                 QString("visoki-25mm.frd: 300 do 39525 Hz, faza izracunata iz nivoa"));
        QVERIFY(dialog->add() && enter(window, "cmdZvucnikParametri")->add());
        QCOMPARE(program.window->drivers().index(2).data().toString(), QString("zvucnik 3 (parametri)"));
        driverOf(window, 1)->setCurrentIndex(1);
        driverOf(window, 5)->setCurrentIndex(2);
        for (const char* box : {"chkZbir1", "chkZbir5", "chkObrnut5"}) window->findChild<QCheckBox*>(box)->click();
        const QStringList edges{cell(window, 0, FactsModel::Edge), cell(window, 0, FactsModel::SoundEdge)};
        for (const QString& edge : edges) QVERIFY2(edge.toInt() > 4500, qPrintable(edge));
        QVERIFY(cell(window, 2, FactsModel::SoundEdge).toInt() > 0);
        int faint = 0;
        for (QAbstractSeries* series : window->charts()->levelChart()->series())
            if (static_cast<QLineSeries*>(series)->pen().style() == Qt::DotLine && series->isVisible())
                faint += static_cast<QLineSeries*>(series)->points().first().x() < 20;
        QCOMPARE(faint, 3);  // below the woofer's FRD, at 20 Hz: its curve, its E12 twin and the sum
        QVERIFY(cell(window, window->facts()->rowCount() - 1, FactsModel::PartName).startsWith("Najmanja impedansa: "));
        driverOf(window, 1)->setCurrentIndex(3);
        for (int column : {FactsModel::Edge, FactsModel::SoundEdge})
            QVERIFY(std::abs(cell(window, 0, column).toDouble() / edges[column == FactsModel::Edge ? 0 : 1].toDouble() -
                             1) < 0.005);
        window->findChild<QListView*>("lstZvucnici")->setCurrentIndex(program.window->drivers().index(2));
        window->findChild<QPushButton*>("cmdUkloniZvucnik")->click();
        QCOMPARE(std::pair(driverOf(window, 1)->currentText(), cell(window, 0, FactsModel::Edge)),
                 std::pair(QString("otpornik Z"), QString("3001")));
    }

    // A file that cannot be read is named with its line and what was expected, and nothing changes; a field
    // that cannot be used is named and focused, and no driver is added.
    void badFilesAndFieldsAreNamed() {
        Program program;
        odziv::OdzivWindow* window = twoWay(program);
        QTemporaryDir dir;
        for (const auto& [name, text] :
             {std::pair{"los.frd", "100 80 0\nFreq dB\n"}, {"jedna.zma", "* z\n100 6 0\n"}}) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(text) > 0);
        }
        odziv::DriverDialog* dialog = enter(window, "cmdZvucnikMerenje");
        for (const auto& [kind, name] : {std::pair{driver::FileKind::Frd, "nema.frd"},
                                         {driver::FileKind::Frd, "los.frd"},
                                         {driver::FileKind::Zma, "jedna.zma"}})
            QVERIFY(!dialog->load(kind, dir.filePath(name)));
        QVERIFY(!dialog->add());
        QCOMPARE(program.warner.messages,
                 (QStringList{
                     "Datoteka \"nema.frd\" ne moze da se otvori.",
                     "Datoteka \"los.frd\" nije ucitana: na liniji 2 ocekivana su tri broja: frekvencija, nivo i faza.",
                     "Datoteka \"jedna.zma\" nije ucitana: na liniji 3 datoteka se zavrsava, a ocekivane su bar dve "
                     "tacke na razlicitim frekvencijama.",
                     "Izaberite bar jednu datoteku: FRD (odziv) ili ZMA (impedansu)."}));
        QCOMPARE(dialog->findChild<QLabel*>("lblZma")->text() + dialog->findChild<QLineEdit*>("txtIme")->text(),
                 QString("nije izabrana"));
        dialog->reject();
        program.warner.messages.clear();
        dialog = enter(window, "cmdZvucnikParametri");
        for (const auto& [field, text, warning] :
             {std::tuple{"txtRe", "x", "U polju Re (otpor kalema zvucnika) nije broj: \"x\"."},
              {"txtQes", "0", "Polje Qes (elektricni faktor dobrote) ne sme biti nula."},
              {"txtL2", "0",
               "Polje L2 (induktivitet sa gubicima) ne sme biti nula. R2 i L2 se upisuju zajedno, ili oba nula."}}) {
            QLineEdit* typed = dialog->findChild<QLineEdit*>(field);
            const QString before = typed->text();
            retype(typed, text);
            QVERIFY(!dialog->add());
            QCOMPARE(program.warner.messages.takeLast(), QString(warning));
            QCOMPARE(dialog->focusWidget(), typed);
            retype(typed, before);
        }
        QCOMPARE(program.window->drivers().rowCount(), 0);
    }

    // A coil's resistance is typed into its cell, by keyboard, or taken from the coil the winding window winds by
    // its defaults; it moves the curve. What cannot be used is named, and its cell focused.
    void coilResistanceTypedOrWound() {
        Program program;
        odziv::OdzivWindow* window = twoWay(program);
        auto* table = window->findChild<QTableView*>();
        const QModelIndex coil = window->facts()->index(0, FactsModel::Resistance);
        for (const auto& [typed, warning] :
             {std::pair{"x", "U polju R zice kalema L (bas 12db/oct) nije broj: \"x\". Upisite otpor u omima."},
              {"-1", "Polje R zice kalema L (bas 12db/oct) ne sme biti negativno."},
              {"0,5", ""}}) {
            table->setFocus();
            table->setCurrentIndex(coil);
            QTest::keyClick(table, typed[0]);  // opens the cell's editor with it
            QTest::keyClicks(QApplication::focusWidget(), typed + 1);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            // The editor commits after Return, and the window reads the text after the commit.
            for (int turn = 0; turn < 2; ++turn) QCoreApplication::processEvents();
            QCOMPARE(program.warner.messages.isEmpty() ? "" : program.warner.messages.takeFirst(), QString(warning));
            QVERIFY(QApplication::focusWidget() == table && table->currentIndex().column() == FactsModel::Resistance);
        }
        QCOMPARE(std::pair(cell(window, 0, FactsModel::Resistance), cell(window, 0, FactsModel::Edge)),
                 std::pair(QString("0,5"), QString("2897")));  // |H|^2 = 1/2 with 0,5 ohm in series with L
        window->findChild<QPushButton*>("cmdOtporIzNamotaja")->click();
        const double wound = program.window->windingResistance(0.6).value();
        QCOMPARE(cell(window, 0, FactsModel::Resistance),
                 QString::fromStdString(calc::numberText(calc::roundTo2(wound), decimalComma)) + " (namotaj)");
    }

    // A coil of 0 mH into 0 ohm gives no output: drawn nowhere, never NaN, and cannot be wound. Negative
    // parts cannot be drawn, and a line names the cause: a negative Z, not the parts it makes negative.
    void noCurveShowsWhatCannotBe() {
        Program program;
        pressOn(program, "mnuBas", {"Text2=0"}, "cmdIzracunaj6db");
        pressOn(program, "mnuBas", {"Text4=-500"}, "cmdIzracunaj12db");
        pressOn(program, "mnuVisoki", {"Text5=-8"}, "cmdIzracunaj12");
        odziv::OdzivWindow* window = open(program);
        window->findChild<QTableView*>()->setCurrentIndex(window->facts()->index(0, FactsModel::PartName));
        QVERIFY(!window->findChild<QPushButton*>("cmdNamotaj")->isEnabled());
        QVERIFY(levelOf(window, "bas 6db/octavi")->points().isEmpty());
        QCOMPARE(cell(window, 0, FactsModel::Edge), QString("nema"));
        QCOMPARE(cell(window, 1, FactsModel::PartName), QString("Kriva se ne crta: neki deo je negativan."));
        QCOMPARE(cell(window, 2, FactsModel::PartName), QString("Kriva se ne crta: impedansa zvucnika je negativna."));
        QVERIFY(!levelOf(window, "bas 12db/oct"));
        for (QChart* chart : {window->charts()->levelChart(), window->charts()->phaseChart()})
            for (QAbstractSeries* series : chart->series())
                for (const QPointF& point : static_cast<QLineSeries*>(series)->points())
                    QVERIFY(std::isfinite(point.x()) && std::isfinite(point.y()));
    }

    // Both charts go into one picture, in the format its name asks for (PNG, JPEG, BMP), else as a PNG with
    // ".png" added to the name, which a message gives; a place that cannot be written is reported, and
    // nothing else changes.
    void savesBothChartsAsOnePicture() {
        Program program;
        odziv::OdzivWindow* window = twoWay(program);
        QTemporaryDir dir;
        QVERIFY(window->saveImage(dir.filePath("odziv.png")));
        const QImage saved(dir.filePath("odziv.png"), "PNG");
        QCOMPARE(saved.size(), window->charts()->image().size());
        int tweeterInk = 0;  // the tweeter's orange, in level and phase
        for (int y = 0; y < saved.height(); ++y)
            for (int x = 0; x < saved.width(); ++x) tweeterInk += saved.pixelColor(x, y) == QColor(255, 127, 14);
        QVERIFY2(tweeterInk > 200, qPrintable(QString::number(tweeterInk)));
        QVERIFY(program.warner.messages.isEmpty());
        for (const auto& [name, written, format] : {std::tuple{"odziv.jpg", "odziv.jpg", "jpeg"},
                                                    {"odziv.JPEG", "odziv.JPEG", "jpeg"},
                                                    {"odziv.bmp", "odziv.bmp", "bmp"},
                                                    {"odziv.svg", "odziv.svg.png", "png"}}) {
            QVERIFY(window->saveImage(dir.filePath(name)));
            QCOMPARE(QImageReader::imageFormat(dir.filePath(written)), QByteArray(format));
        }
        QVERIFY(!QFile::exists(dir.filePath("odziv.svg")));
        QCOMPARE(program.warner.messages.size(), 1);
        QVERIFY2(program.warner.messages.takeFirst().contains("\"odziv.svg.png\""), "names the file written");
        // Saved again so, the picture with ".png" added, of whose replacing the dialog said nothing, stays.
        const QByteArray kept = "kept";
        QFile earlier(dir.filePath("odziv.svg.png"));
        QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write(kept) == kept.size());
        earlier.close();
        QVERIFY(!window->saveImage(dir.filePath("odziv.svg")));
        QVERIFY(earlier.open(QIODevice::ReadOnly) && earlier.readAll() == kept);
        QVERIFY(program.warner.messages.takeFirst().contains("vec postoji"));

        QVERIFY(!window->saveImage(dir.filePath("nowhere/odziv.png")));
        QCOMPARE(program.warner.messages.size(), 1);
        QVERIFY(program.warner.messages.first().startsWith("Slika nije sacuvana"));
        QCOMPARE(legendNames(window).size(), 2);
        QVERIFY(!QFile::exists(dir.filePath("nowhere")));
    }

    // The bench sheet as PDF under both separators: real text holding every part the table shows with
    // its standard value, a resistor's power, every coil's recipe, on two A4 pages; nothing to draw and
    // a place that cannot be written are told.
    void benchSheetHoldsEveryPart() {
        for (const calc::Region* region : {&decimalComma, &decimalPoint}) {
            Program program(*region);
            const auto in = [region](QString text) { return text.replace(',', QString::fromStdString(region->decimal)); };
            QTemporaryDir dir;
            QVERIFY(!program.window->benchOutput().exportTo(dir.filePath("prazan.pdf")));
            QVERIFY(program.warner.messages.takeFirst().startsWith("Lista za radni sto jos nema"));
            QVERIFY(!QFile::exists(dir.filePath("prazan.pdf")));
            pressOn(program, "mnuKorekcija", {}, "cmdAtenuator");
            odziv::OdzivWindow* window = twoWay(program);
            QTest::mouseClick(window->findChild<QCheckBox*>("chkKorekcija5_1"), Qt::LeftButton);
            QVERIFY(program.window->benchOutput().exportTo(dir.filePath("list.pdf")));
            const auto run = [&dir](const char* tool, QStringList arguments) {
                QProcess process;
                process.start(tool, arguments);
                return process.waitForFinished() ? QString::fromUtf8(process.readAllStandardOutput()) : QString();
            };
            // In rows as they are printed, each run of blanks one.
            const QString text = run("pdftotext", {"-layout", dir.filePath("list.pdf"), "-"}).simplified();
            const QString info = run("pdfinfo", {dir.filePath("list.pdf")});
            QStringList parts;
            for (int row = 0; row < window->facts()->rowCount(); ++row)
                if (!window->facts()->isNote(row))
                    for (int column : {FactsModel::Value, FactsModel::StandardValue})
                        if (!cell(window, row, column).isEmpty()) parts << cell(window, row, column);
            QCOMPARE(parts.size(), 10);  // L and C of each half, each C's E12 twin, Rs and Rp with their E24 twins
            for (const QString& part : parts) QVERIFY2(text.contains(part), qPrintable(part + " in " + text));
            QVERIFY2(text.contains(in("Rs (L-atenuator) 2,34 oma 2,4 oma 29,23 W")), qPrintable(text));
            QCOMPARE(text.count("namotaja ("), 2);
            QVERIFY(text.contains("Impedansa koju vidi pojacalo") && text.contains("stepeni"));  // the charts' texts too
            QCOMPARE(text.count(in("% vise i 2 x 15cm za izvode")), 2);
            QVERIFY2(text.contains(in("iseci 18,82m")), qPrintable(text));
            QVERIFY2(QRegularExpression("Pages: +2\\b").match(info).hasMatch(), qPrintable(info));
            QVERIFY2(QRegularExpression("Page size: +595(\\.\\d+)? x 842").match(info).hasMatch(), "A4");
            QVERIFY(program.warner.messages.isEmpty());

            // Printed: the printer the dialog sets up, here into a file, gets the same two pages.
            program.menu("mnuStampaj")->trigger();
            auto* dialog = program.window->findChild<QPrintDialog*>("dlgStampaj");
            QVERIFY(dialog);
            // Past the dialog's own settings, which would choose a printer of this machine.
            dialog->printer()->setOutputFileName(dir.filePath("stampa.pdf"));
            dialog->done(QDialog::Accepted);
            QVERIFY(QRegularExpression("Pages: +2\\b").match(run("pdfinfo", {dir.filePath("stampa.pdf")})).hasMatch());
            QVERIFY(program.warner.messages.isEmpty());

            QVERIFY(!program.window->benchOutput().exportTo(dir.filePath("nigde/list.pdf")));
            QVERIFY(program.warner.messages.takeFirst().startsWith("List za radni sto nije sacuvan"));
        }
    }

    // The table goes whole into a CSV file, its header on one line, its lines ending in "\r\n": under a
    // decimal comma parted by ';', under a decimal point by ',', where a text with a comma is quoted. A name
    // without a suffix gets ".csv", unless a file of that longer name is there, of which the dialog asked
    // nothing; a place that cannot be written is reported.
    void exportsTheTableAsCsv() {
        const QString note = "Nema propusnog opsega: Fp1 nije ispod Fp2, pa odstupanja nemaju smisla.";
        for (const auto& [region, separator, woofer, noteCell] :
             {std::tuple{decimalComma, ";", "bas 12db/oct;L;0,6 mH;;0;3000;3001;0,0 %;3001;0,0 %;", note},
              {decimalPoint, ",", "bas 12db/oct,L,0.6 mH,,0,3000,3001,0.0 %,3001,0.0 %,", '"' + note + '"'}}) {
            Program program(region);
            odziv::OdzivWindow* window = twoWay(program);
            pressOn(program, "mnuSrednji", {"Text1=16981", "Text2=23", "Text3=1"}, "cmdIzracunaj12db");
            QTemporaryDir dir;
            QVERIFY(window->exportTable(dir.filePath("odziv")));
            QFile file(dir.filePath("odziv.csv"));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QStringList lines = QString::fromUtf8(file.readAll()).split("\r\n");
            QCOMPARE(lines.size(), window->facts()->rowCount() + 2);  // the header, and none after the last
            QCOMPARE(lines[0],
                     QStringList({"Kriva", "Deo", "Izracunato", "E12", "R zice (oma)", "Fp (Hz)", "-3 dB (Hz)",
                                  "Odstupanje", "-3 dB sa E12 (Hz)", "Odstupanje sa E12", "Zvuk -3 dB (Hz)"})
                         .join(separator));
            QCOMPARE(lines[1], QString(woofer));
            const QString noteLine = QString("Srednjetonci 12db/oct") + separator + noteCell;
            QVERIFY(lines.contains(noteLine + QString(9, separator[0])));
            QVERIFY(!window->exportTable(dir.filePath("odziv")));
            QVERIFY(program.warner.messages.takeFirst().contains("vec postoji"));
            QVERIFY(!window->exportTable(dir.filePath("nowhere/odziv.csv")));
            QVERIFY(program.warner.messages.takeFirst().startsWith("Tabela nije izvezena"));
        }
    }

    // Saving onto a full disk leaves nothing half-written and the old picture whole, and says so. Run by
    // ctest on a small file system of its own.
    void fullDiskLeavesNothingHalfWritten() {
        const QString disk = qEnvironmentVariable("TAV20_SMALL_DISK");
        if (disk.isEmpty()) QSKIP("needs a small file system of its own in TAV20_SMALL_DISK, as ctest mounts one");
        Program program;
        odziv::OdzivWindow* window = twoWay(program);
        const QDir dir(disk);
        QVERIFY(window->saveImage(dir.filePath("stara.png")));
        const auto bytes = [&dir](const char* name) {
            QFile file(dir.filePath(name));
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        const QByteArray old = bytes("stara.png");
        // Leave less room than a picture takes, in whole pages, and more than the first buffer written.
        QFile filler(dir.filePath("filler"));
        QVERIFY(filler.open(QIODevice::WriteOnly) && old.size() > 20000);
        filler.write(QByteArray(QStorageInfo(disk).bytesAvailable() - (old.size() - 1) / 4096 * 4096, '\0'));
        QVERIFY(filler.flush());
        for (const char* name : {"stara.png", "nova.png"}) QVERIFY(!window->saveImage(dir.filePath(name)));
        QCOMPARE(bytes("stara.png"), old);
        QCOMPARE(dir.entryList(QDir::Files), (QStringList{"filler", "stara.png"}));
        QCOMPARE(program.warner.messages.size(), 2);
    }

    // The save dialogs belong to their window: a name chosen in one saves there, and a window
    // closed while its dialog is open takes the dialog along, which once freed it twice; so do the
    // driver's dialog and its file dialog.
    void saveDialogGoesWithItsWindow() {
        Program program;
        odziv::OdzivWindow* window = twoWay(program);
        auto* save = window->findChild<QPushButton*>("cmdSacuvajSliku");
        QTemporaryDir dir;
        QTest::mouseClick(save, Qt::LeftButton);
        auto* dialog = window->findChild<QFileDialog*>("dlgSacuvajSliku");
        QVERIFY(dialog && dialog->isVisible());
        dialog->selectFile(dir.filePath("odziv-3000"));
        QMetaObject::invokeMethod(dialog, "accept");
        QVERIFY(!QImage(dir.filePath("odziv-3000.png"), "PNG").isNull());
        QTest::mouseClick(window->findChild<QPushButton*>("cmdIzveziTabelu"), Qt::LeftButton);
        dialog = window->findChild<QFileDialog*>("dlgIzveziTabelu");
        dialog->selectFile(dir.filePath("delovi"));
        QMetaObject::invokeMethod(dialog, "accept");
        QVERIFY(QFile::exists(dir.filePath("delovi.csv")));
        QTest::mouseClick(save, Qt::LeftButton);
        const QPointer<QFileDialog> open = window->findChild<QFileDialog*>("dlgSacuvajSliku");
        QVERIFY(open);
        odziv::DriverDialog* driver = enter(window, "cmdZvucnikMerenje");
        QTest::mouseClick(driver->findChild<QPushButton*>("cmdZma"), Qt::LeftButton);
        const QPointer<QFileDialog> chooser = driver->findChild<QFileDialog*>("dlgDatoteka");
        window->parentWidget()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(open.isNull() && chooser.isNull());
        QVERIFY(program.warner.messages.isEmpty());
    }

    // A coil's row leads to "Namotaj kalema" with that coil in L and its curve's Z; a capacitor's does
    // not. A small part keeps three significant digits where its caption shows two (0.06 mH), in the
    // table, the curve and the coil handed over; here under a decimal point.
    void coilRowOpensTheWinding() {
        Program program(decimalPoint);
        pressOn(program, "mnuBas", {"Text1=10000"}, "cmdIzracunaj6db");
        odziv::OdzivWindow* window = twoWay(program);
        QCOMPARE(cell(window, 0, FactsModel::Value), QString("0.0636 mH"));
        QCOMPARE(cell(window, 0, FactsModel::Edge), QString("10010"));  // 10610 with 0,06 mH
        auto* wind = window->findChild<QPushButton*>("cmdNamotaj");
        auto* table = window->findChild<QTableView*>();
        table->setCurrentIndex(window->facts()->index(2, FactsModel::PartName));
        QVERIFY(!wind->isEnabled());
        for (const auto& [row, inductance, impedance] : {std::tuple{0, "0.0636", "4"}, {1, "0.6", "8"}}) {
            table->setCurrentIndex(window->facts()->index(row, FactsModel::PartName));
            QTest::mouseClick(wind, Qt::LeftButton);
            QWidget* namotaj = program.window->mdiArea()->activeSubWindow()->widget();
            QCOMPARE(namotaj->objectName(), QString("frmNamotaj"));
            QCOMPARE(field(namotaj, "txtInduktivitet")->text(), QString(inductance));
            QCOMPARE(field(namotaj, "txtImpedansa")->text(), QString(impedance));
            program.choose("mnuOdziv");
        }
        // Ctrl+A and Ctrl+C copy every row, a tab between its cells.
        table->setFocus();
        QTest::keySequence(table, QKeySequence::SelectAll);
        QTest::keySequence(table, QKeySequence::Copy);
        const QStringList rows = QGuiApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
        QCOMPARE(rows.size(), window->facts()->rowCount());
        QVERIFY2(rows[0].startsWith("bas 6db/octavi\tL\t0.0636 mH\t"), qPrintable(rows[0]));
    }
};

QTEST_MAIN(OdzivTest)
#include "tst_odziv.moc"
