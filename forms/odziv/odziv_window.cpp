#include "forms/odziv/odziv_window.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImageWriter>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSplitter>
#include <QStandardPaths>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <string>
#include <utility>

#include "formkit/drivers.h"
#include "formkit/file_dialog.h"
#include "formkit/fonts.h"
#include "formkit/form_context.h"
#include "formkit/shown_results.h"
#include "formkit/warnings.h"
#include "formkit/whole_file.h"
#include "formkit/window_state.h"
#include "forms/odziv/driver_dialog.h"
#include "forms/odziv/facts_model.h"
#include "forms/odziv/response_charts.h"
#include "forms/odziv/sheet_content.h"
#include "forms/odziv/table_csv.h"
#include "forms/odziv/texts.h"

namespace odziv {

namespace {

constexpr const char* legendText =
    "Isprekidane linije: isti delovi sa standardnim kondenzatorima; tackaste i blede: van "
    "opsega merenja. Za zbir oznacite \"u zbiru\" kod dve ili vise krivih; \"obrnut "
    "polaritet\" je zvucnik vezan naopako. R zice kalema upisite u tabeli, ili ga uzmite iz "
    "namotaja (telo 30 mm, duzina 20 mm, zica 1 mm). Mreze izracunate u prozoru Korekcija "
    "ukljucite ispod imena krive.";

}  // namespace

OdzivWindow::OdzivWindow(formkit::Workspace& workspace)
    : m_workspace(workspace),
      m_facts(new FactsModel),
      m_charts(new ResponseCharts),
      m_series(new QComboBox),
      m_table(new QTableView),
      m_wind(new QPushButton(QStringLiteral("Namota&j..."))),
      m_wound(new QPushButton(QStringLiteral("Otpo&r iz namotaja"))),
      m_empty(new QLabel(QStringLiteral(
          "Jos nema izracunate skretnice: pritisnite Izracunaj na formi bas, Srednjetonci "
          "ili visokotonci, i kriva ce se pojaviti ovde."))),
      m_legend(new QLabel),
      m_drivers(new QListView) {
    setWindowTitle(QStringLiteral("Odziv skretnice"));
    setFont(formkit::tableFont(formkit::normal975, font()));
    m_facts->setParent(this);
    const QDir examples(QCoreApplication::applicationDirPath() +
                        QStringLiteral("/../share/tav20/primeri"));
    m_folder = examples.exists() ? examples.absolutePath() : QDir::homePath();

    auto* seriesLabel = new QLabel(QStringLiteral("Standardni kon&denzatori:"));
    seriesLabel->setBuddy(m_series);
    m_series->addItems({QStringLiteral("E12"), QStringLiteral("E24")});
    m_series->setAccessibleName(QStringLiteral("Standardni kondenzatori"));
    m_series->setToolTip(QStringLiteral(
        "Niz standardnih kondenzatora za isprekidane krive: E12 ima 12 vrednosti u dekadi (korak "
        "oko 20 %), E24 ima 24 (korak oko 10 %)."));
    auto* save = new QPushButton(QStringLiteral("&Sacuvaj sliku..."));
    save->setToolTip(
        QStringLiteral("Cuva sva cetiri grafikona kao jednu sliku: PNG, JPEG ili BMP."));
    auto* exportCsv = new QPushButton(QStringLiteral("Izvezi ta&belu (CSV)..."));
    exportCsv->setObjectName(QStringLiteral("cmdIzveziTabelu"));
    exportCsv->setToolTip(QStringLiteral(
        "Cuva celu tabelu kao CSV, za tabelarni program ili porudzbinu delova: polja deli "
        "tacka-zarez gde je decimalni znak zarez, inace zarez."));
    auto* top = new QHBoxLayout;
    top->addWidget(seriesLabel);
    top->addWidget(m_series);
    top->addStretch();
    top->addWidget(save);
    top->addWidget(exportCsv);

    m_table->setModel(m_facts);
    m_table->setAccessibleName(QStringLiteral("Delovi i granicne ucestanosti"));
    m_table->setToolTip(
        QStringLiteral("Delovi svake krive (mH, uF), otpor zice kalema (oma) i granice -3 dB (Hz); "
                       "otpor zice se upisuje u celiju kalema."));
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::AnyKeyPressed);
    m_table->setTabKeyNavigation(false);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->setContextMenuPolicy(Qt::CustomContextMenu);
    // Room for six rows, below a horizontal scroll bar where the columns are wider than the
    // window, whatever share of the window the table had while it was empty.
    m_table->setMinimumHeight(2 * m_table->frameWidth() +
                              m_table->horizontalHeader()->sizeHint().height() +
                              6 * m_table->verticalHeader()->defaultSectionSize() +
                              m_table->horizontalScrollBar()->sizeHint().height());
    m_empty->setWordWrap(true);
    m_wind->setObjectName(QStringLiteral("cmdNamotaj"));
    m_wound->setObjectName(QStringLiteral("cmdOtporIzNamotaja"));
    m_wound->setAccessibleDescription(QStringLiteral(
        "Otpor zice izabranog kalema kakav namotava prozor Namotaj kalema: telo 30 mm, "
        "duzina 20 mm, zica 1 mm"));
    m_wound->setToolTip(m_wound->accessibleDescription() + QStringLiteral(", u omima."));
    m_wind->setToolTip(QStringLiteral(
        "Otvara Namotaj kalema sa izabranim kalemom (mH) i impedansom (oma) njegove krive."));
    save->setObjectName(QStringLiteral("cmdSacuvajSliku"));
    m_series->setObjectName(QStringLiteral("cboStandardni"));
    m_table->setObjectName(QStringLiteral("tblDelovi"));

    auto* choices = new QGridLayout;
    for (std::size_t half = 0; half < m_choices.size(); ++half) {
        const QString name = QString::fromLatin1(formkit::crossoverHalves[half].name);
        Choices& row = m_choices[half];
        row = {new QLabel(name),
               new QCheckBox(QStringLiteral("u zbiru")),
               new QCheckBox(QStringLiteral("obrnut polaritet")),
               new QComboBox,
               {}};
        row.inSum->setObjectName(QStringLiteral("chkZbir%1").arg(half));
        row.reversed->setObjectName(QStringLiteral("chkObrnut%1").arg(half));
        row.driver->setObjectName(QStringLiteral("cboZvucnik%1").arg(half));
        row.inSum->setAccessibleName(name + QStringLiteral(", u zbiru"));
        row.reversed->setAccessibleName(name + QStringLiteral(", obrnut polaritet"));
        // Where a combo box is heard by its text (Linux), its curve's name labels it.
        row.driver->setAccessibleName(name + QStringLiteral(", zvucnik"));
        row.inSum->setToolTip(QStringLiteral("Dodaje ovu krivu crnom zbiru oznacenih krivih."));
        row.reversed->setToolTip(
            QStringLiteral("Zvucnik ove krive vezan obrnuto: plus i minus zamenjeni."));
        row.driver->setToolTip(QStringLiteral(
            "Na cemu filter radi: na otporniku Z sa forme ili na zvucniku iz liste."));
        row.name->setBuddy(row.driver);
        row.driver->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        auto* corrections = new QHBoxLayout;
        for (std::size_t kind = 0; kind < row.corrections.size(); ++kind) {
            const QString correction = QString::fromLatin1(formkit::correctionNames[kind]);
            auto* box = new QCheckBox(correction);
            box->setObjectName(QStringLiteral("chkKorekcija%1_%2").arg(half).arg(kind));
            box->setAccessibleName(name + QStringLiteral(", ") + correction);
            row.corrections[kind] = box;
            corrections->addWidget(box);
            connect(box, &QCheckBox::toggled, this, &OdzivWindow::refresh);
        }
        corrections->addStretch();
        // Each form's two halves side by side, in the table's order, their corrections below.
        const int line = int(half / 2) * 2, column = int(half % 2) * 5;
        choices->addWidget(row.name, line, column);
        choices->addWidget(row.inSum, line, column + 1);
        choices->addWidget(row.reversed, line, column + 2);
        choices->addWidget(row.driver, line, column + 3);
        choices->addLayout(corrections, line + 1, column + 1, 1, 3);
        for (QCheckBox* box : {row.inSum, row.reversed})
            connect(box, &QCheckBox::toggled, this, &OdzivWindow::redraw);
        connect(row.driver, &QComboBox::currentIndexChanged, this, &OdzivWindow::refresh);
    }
    // From the left, whichever halves are shown.
    choices->setColumnMinimumWidth(4, 24);
    choices->setColumnStretch(9, 1);

    m_legend->setWordWrap(true);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_wind);
    bottom->addWidget(m_wound);
    bottom->addWidget(m_legend, 1);

    // The drivers entered, for every curve's choice.
    auto* driversLabel = new QLabel(QStringLiteral("Zvucnic&i:"));
    driversLabel->setBuddy(m_drivers);
    m_drivers->setModel(&m_workspace.drivers());
    m_drivers->setObjectName(QStringLiteral("lstZvucnici"));
    m_drivers->setAccessibleName(QStringLiteral("Zvucnici"));
    m_drivers->setToolTip(
        QStringLiteral("Zvucnici uneti dok program radi; svaka kriva moze da radi na jednom."));
    m_drivers->setMaximumHeight(3 * m_drivers->fontMetrics().height() +
                                4 * m_drivers->frameWidth());
    auto* fromParameters = new QPushButton(QStringLiteral("Zvucnik iz &parametara..."));
    auto* fromFiles = new QPushButton(QStringLiteral("Zvucnik iz &merenja (FRD, ZMA)..."));
    auto* remove = new QPushButton(QStringLiteral("&Ukloni zvucnik"));
    fromParameters->setObjectName(QStringLiteral("cmdZvucnikParametri"));
    fromFiles->setObjectName(QStringLiteral("cmdZvucnikMerenje"));
    remove->setObjectName(QStringLiteral("cmdUkloniZvucnik"));
    fromParameters->setToolTip(
        QStringLiteral("Unosi zvucnik po Thiele-Small parametrima: Re, Le, fs, Qms, Qes, SPL."));
    fromFiles->setToolTip(
        QStringLiteral("Unosi zvucnik iz merenja: odziv FRD (Hz, dB, stepeni), impedansa ZMA (Hz, "
                       "oma, stepeni)."));
    remove->setToolTip(
        QStringLiteral("Uklanja izabrani zvucnik; njegove krive opet rade na otporniku Z."));
    auto* driverButtons = new QVBoxLayout;
    for (QPushButton* button : {fromParameters, fromFiles, remove})
        driverButtons->addWidget(button);
    driverButtons->addStretch();
    auto* drivers = new QHBoxLayout;
    drivers->addWidget(driversLabel, 0, Qt::AlignTop);
    drivers->addWidget(m_drivers, 1);
    drivers->addLayout(driverButtons);

    auto* facts = new QWidget;
    auto* factsLayout = new QVBoxLayout(facts);
    factsLayout->setContentsMargins({});
    factsLayout->addWidget(m_empty);
    factsLayout->addWidget(m_table);
    factsLayout->addLayout(choices);
    factsLayout->addLayout(bottom);
    factsLayout->addLayout(drivers);

    auto* splitter = new QSplitter(Qt::Vertical);
    splitter->addWidget(m_charts);
    splitter->addWidget(facts);
    splitter->setStretchFactor(0, 1);
    splitter->setChildrenCollapsible(false);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(splitter, 1);
    QWidget* previous = m_table;
    for (const Choices& row : m_choices) {
        for (QWidget* box : {static_cast<QWidget*>(row.inSum), static_cast<QWidget*>(row.reversed),
                             static_cast<QWidget*>(row.driver)})
            setTabOrder(std::exchange(previous, box), box);
        for (QCheckBox* box : row.corrections) setTabOrder(std::exchange(previous, box), box);
    }
    for (QWidget* next : {static_cast<QWidget*>(m_wind), static_cast<QWidget*>(m_wound),
                          static_cast<QWidget*>(m_drivers), static_cast<QWidget*>(fromParameters),
                          static_cast<QWidget*>(fromFiles), static_cast<QWidget*>(remove),
                          static_cast<QWidget*>(m_series), static_cast<QWidget*>(save),
                          static_cast<QWidget*>(exportCsv)})
        setTabOrder(std::exchange(previous, next), next);

    m_workspace.shownResults().subscribe(this, [this](std::size_t) { refresh(); });
    m_workspace.drivers().subscribe(this, [this] { listDrivers(); });
    m_workspace.corrections().subscribe(this, [this](std::size_t) {
        offerCorrections();
        refresh();
    });
    m_facts->resistanceTyped = [this](std::size_t half, int part, const QString& text) {
        // After the editor has closed: the warning holds a loop of its own, and the table's
        // reset would pull the row from under the editor's commit.
        QMetaObject::invokeMethod(
            this, [this, half, part, text] { typeResistance(half, part, text); },
            Qt::QueuedConnection);
    };
    new formkit::StateKeeper(
        *this, [this] { return wireSettings(); },
        [this](std::span<const project::Setting> settings) { takeWires(settings); });
    connect(m_series, &QComboBox::currentIndexChanged, this, &OdzivWindow::refresh);
    connect(save, &QPushButton::clicked, this, &OdzivWindow::askWhereToSave);
    connect(m_wind, &QPushButton::clicked, this, &OdzivWindow::windSelectedCoil);
    connect(m_wound, &QPushButton::clicked, this, &OdzivWindow::woundResistance);
    connect(fromParameters, &QPushButton::clicked, this, [this] { enterDriver(false); });
    connect(fromFiles, &QPushButton::clicked, this, [this] { enterDriver(true); });
    connect(remove, &QPushButton::clicked, this, &OdzivWindow::removeDriver);
    connect(m_table->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &OdzivWindow::updateCoilButtons);
    // The rows chosen (Ctrl+A: all) go to the clipboard with a tab between cells, for a
    // spreadsheet or a note.
    auto* copy = new QAction(m_table);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    m_table->addAction(copy);
    connect(copy, &QAction::triggered, this, &OdzivWindow::copyRows);
    connect(exportCsv, &QPushButton::clicked, this, &OdzivWindow::askWhereToExport);
    connect(m_table, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        if (!m_facts->coilAt(m_table->indexAt(at).row())) return;
        auto* menu = new QMenu(this);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        connect(menu->addAction(QStringLiteral("Namota&j...")), &QAction::triggered, this,
                &OdzivWindow::windSelectedCoil);
        connect(menu->addAction(QStringLiteral("Otpo&r iz namotaja")), &QAction::triggered, this,
                &OdzivWindow::woundResistance);
        menu->popup(m_table->viewport()->mapToGlobal(at));
    });
    offerCorrections();
    listDrivers();
}

// A correction is offered once computed.
void OdzivWindow::offerCorrections() {
    for (const Choices& row : m_choices)
        for (std::size_t kind = 0; kind < row.corrections.size(); ++kind) {
            QCheckBox* box = row.corrections[kind];
            const bool made = m_workspace.corrections().of(kind).has_value();
            box->setEnabled(made);
            box->setToolTip(made ? QStringLiteral("Ukljucuje u krivu mrezu izracunatu u prozoru "
                                                  "Korekcija")
                                 : QStringLiteral("Prvo izracunajte ovu mrezu u prozoru Korekcija "
                                                  "(meni Korekcija)"));
        }
}

void OdzivWindow::copyRows() {
    QModelIndexList rows = m_table->selectionModel()->selectedRows();
    std::ranges::sort(rows, {}, &QModelIndex::row);
    QString text;
    for (const QModelIndex& row : rows) {
        QStringList cells;
        for (int column = 0; column < m_facts->columnCount(); ++column)
            cells << m_facts->index(row.row(), column).data().toString();
        text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    QGuiApplication::clipboard()->setText(text);
}

bool OdzivWindow::hasBenchSheet() const { return !m_facts->curves().empty(); }

bool OdzivWindow::drawBenchSheet(QPagedPaintDevice& device, const Heading& heading) {
    const SheetContent content = sheetContentOf(*m_facts, m_workspace.corrections(),
                                                m_workspace.context().region(), heading);
    QChart* const charts[] = {m_charts->levelChart(), m_charts->phaseChart(),
                              m_charts->impedanceChart(), m_charts->impedancePhaseChart()};
    return drawSheet(device, content, charts);
}

// Through a QSaveFile, as the picture is; the separator goes with the region the cells were
// written in.
bool OdzivWindow::exportTable(const QString& path) {
    const QString written =
        QFileInfo(path).suffix().isEmpty() ? path + QStringLiteral(".csv") : path;
    formkit::Warner& warner = m_workspace.context().warner;
    // The dialog asked before replacing the name chosen, not the one with ".csv" added.
    if (written != path && QFileInfo::exists(written)) {
        warner.warn(window(), QStringLiteral("Tabela nije izvezena: datoteka \"%1\" vec postoji. "
                                             "Izaberite drugo ime.")
                                  .arg(formkit::quoted(QFileInfo(written).fileName())));
        return false;
    }
    const QByteArray text = tableCsv(*m_facts, m_facts->region());
    const auto why = formkit::writeWholeFile(
        written, [&text](QIODevice& file) { return file.write(text) == text.size(); });
    if (why) {
        warner.warn(window(), QStringLiteral("Tabela nije izvezena u \"%1\": %2.")
                                  .arg(formkit::quoted(written), *why));
        return false;
    }
    return true;
}

// A child of the window that returns at once, as the picture's dialog.
void OdzivWindow::askWhereToExport() {
    const QDir documents(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    auto* dialog = formkit::fileDialog(
        this, QStringLiteral("Izvezi tabelu odziva"),
        (documents.exists() ? documents : QDir::home()).filePath(QStringLiteral("odziv.csv")),
        QStringLiteral("Tabela CSV (*.csv)"), QFileDialog::AcceptSave);
    dialog->setObjectName(QStringLiteral("dlgIzveziTabelu"));
    dialog->setDefaultSuffix(QStringLiteral("csv"));
    connect(dialog, &QFileDialog::fileSelected, this, &OdzivWindow::exportTable);
    dialog->open();
}

// Not as the window's focus proxy: Tab would come back to the table wherever the window
// stands in the chain of its controls.
void OdzivWindow::focusInEvent(QFocusEvent* event) {
    if (m_table->isVisible()) m_table->setFocus(event->reason());
}

response::Series OdzivWindow::series() const {
    return m_series->currentIndex() == 1 ? response::Series::E24 : response::Series::E12;
}

// Each curve's choice stays with its driver; one whose driver goes feeds the resistor again.
void OdzivWindow::listDrivers() {
    for (const Choices& row : m_choices) {
        const int chosen = row.driver->currentData().toInt();
        const QSignalBlocker quiet(row.driver);
        row.driver->clear();
        row.driver->addItem(QStringLiteral("otpornik Z"), 0);
        for (const formkit::DriverEntry& entry : m_workspace.drivers().entries())
            row.driver->addItem(entry.name, entry.id);
        row.driver->setCurrentIndex(std::max(0, row.driver->findData(chosen)));
    }
    refresh();
}

void OdzivWindow::enterDriver(bool fromFiles) {
    auto* dialog =
        new DriverDialog(fromFiles ? DriverDialog::Source::Files : DriverDialog::Source::Parameters,
                         m_workspace, m_folder, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

void OdzivWindow::removeDriver() { m_workspace.drivers().remove(m_drivers->currentIndex().row()); }

void OdzivWindow::refresh() {
    const calc::Region region = m_workspace.context().region();
    const formkit::ShownResults& shown = m_workspace.shownResults();
    // Keep the reader's place: the same part of the same curve.
    const QModelIndex current = m_table->currentIndex();
    const auto place = m_facts->partAt(current.row());

    // Each curve's driver; the quietest that plays is drawn at 0 dB, and the frontmost acoustic
    // centre is the one the others are late behind.
    std::array<const formkit::DriverEntry*, formkit::ShownResults::halves> entries{};
    double quietest = HUGE_VAL, front = HUGE_VAL;
    for (std::size_t half = 0; half < entries.size(); ++half) {
        if (!shown.of(half)) continue;
        entries[half] = m_workspace.drivers().find(m_choices[half].driver->currentData().toInt());
        if (!entries[half]) continue;
        if (const auto level = driver::level(*entries[half]->driver))
            quietest = std::min(quietest, *level);
        front = std::min(front, entries[half]->offset);
    }
    std::vector<Curve> curves;
    std::vector<std::vector<QString>> texts;
    for (std::size_t half = 0; half < formkit::ShownResults::halves; ++half) {
        const auto& result = shown.of(half);
        if (!result) continue;
        Feed feed;
        if (const formkit::DriverEntry* entry = entries[half]) {
            feed.driver = entry->driver;
            feed.driverName = entry->name;
            feed.delay = (entry->offset - front) / 1000 / response::speedOfSound;
            if (driver::level(*entry->driver)) feed.level = quietest;
        }
        for (std::size_t kind = 0; kind < formkit::Corrections::kinds; ++kind)
            if (const auto& made = m_workspace.corrections().of(kind);
                made && m_choices[half].corrections[kind]->isChecked())
                feed.corrections.push_back(*made);
        const response::Network network = networkOf(*result);
        for (std::size_t part = 0; part < network.parts.size(); ++part) {
            const response::Part& coil = network.parts[part];
            const Wire& wire = m_wires[half][part];
            if (coil.capacitor) continue;
            feed.resistances[part] = wire.typed;
            if (!wire.wound) continue;
            const auto wound = m_workspace.windingResistance(coil.value);
            feed.resistances[part] = wound.value_or(0);
            feed.wires[part] = wound ? odziv::Wire::Wound : odziv::Wire::NotWound;
        }
        const auto previous = std::ranges::find(m_facts->curves(), half, &Curve::half);
        curves.push_back(curveOf(half, *result, series(), feed,
                                 previous == m_facts->curves().end() ? nullptr : &*previous));
        texts.push_back(partTexts(result->result, region));
    }
    m_facts->setCurves(std::move(curves), std::move(texts), series(), region);
    if (place)
        if (const auto row = m_facts->rowOf(place->first, place->second))
            m_table->setCurrentIndex(m_facts->index(*row, current.column()));
    // A curve that goes, or cannot be drawn, takes its choices along; one that comes starts afresh.
    std::array<bool, formkit::ShownResults::halves> drawn{};
    for (const Curve& curve : m_facts->curves()) drawn[curve.half] = !curve.unusable;
    for (std::size_t half = 0; half < m_choices.size(); ++half) {
        const Choices& row = m_choices[half];
        std::vector<QCheckBox*> boxes{row.inSum, row.reversed};
        boxes.insert(boxes.end(), row.corrections.begin(), row.corrections.end());
        for (QCheckBox* box : boxes) {
            if (!drawn[half]) {
                const QSignalBlocker quiet(box);
                box->setChecked(false);
            }
            box->setVisible(drawn[half]);
        }
        row.driver->setVisible(drawn[half]);
        row.name->setVisible(drawn[half]);
    }
    m_empty->setVisible(m_facts->curves().empty());
    m_table->setVisible(!m_facts->curves().empty());
    QString legend = QString::fromLatin1(legendText);
    if (quietest < HUGE_VAL)
        legend += QStringLiteral(" Zvuk zvucnika: 0 dB = %1 dB na %2 V i 1 m (najtisi zvucnik).")
                      .arg(tenthsText(quietest, region),
                           QString::fromStdString(calc::numberText(2.83, region)));
    m_legend->setText(legend);
    updateCoilButtons();
    redraw();
}

void OdzivWindow::redraw() {
    std::vector<Drawn> computed, standard;
    std::vector<response::Branch> sum;
    std::vector<const Curve*> summed;
    for (const Curve& curve : m_facts->curves()) {
        if (curve.unusable) continue;
        const Choices& row = m_choices[curve.half];
        const bool reversed = row.reversed->isChecked();
        computed.push_back({curve.half, &curve.computed, reversed});
        standard.push_back({curve.half, &curve.standard, reversed});
        if (!row.inSum->isChecked()) continue;
        sum.push_back({&curve.computed, reversed});
        summed.push_back(&curve);
    }
    // One curve alone is no sum, nor a whole loudspeaker.
    std::vector<response::Point> total, whole;
    std::optional<SumFacts> facts;
    if (sum.size() >= 2) {
        total = response::drawnSum(sum, m_charts->grid());
        whole = response::drawnImpedance(sum, m_charts->grid());
        facts = sumFactsOf(summed, sum, total, whole);
    }
    m_charts->draw(m_facts->curves(), computed, standard, total, whole);
    m_facts->setSum(facts);
    m_table->clearSpans();
    for (int row = 0; row < m_facts->rowCount(); ++row)
        if (m_facts->isNote(row))
            m_table->setSpan(row, FactsModel::PartName, 1, FactsModel::Columns - 1);
}

void OdzivWindow::woundResistance() {
    const auto place = m_facts->partAt(m_table->currentIndex().row());
    if (!place || !m_facts->coilAt(m_table->currentIndex().row())) return;
    m_wires[place->first][place->second].wound = true;
    refresh();
}

namespace {
// A coil's wire as a project keeps it: its resistance as typed, or this.
constexpr char woundText[] = "namotaj";
std::string wireName(std::size_t half, std::size_t part) {
    return "zica_" + std::to_string(half) + "_" + std::to_string(part);
}
}  // namespace

std::vector<project::Setting> OdzivWindow::wireSettings() const {
    std::vector<project::Setting> settings;
    for (std::size_t half = 0; half < m_wires.size(); ++half)
        for (std::size_t part = 0; part < m_wires[half].size(); ++part)
            if (const Wire& wire = m_wires[half][part]; wire.wound || !wire.text.isEmpty())
                settings.push_back(
                    {wireName(half, part), wire.wound ? woundText : wire.text.toStdString()});
    return settings;
}

void OdzivWindow::takeWires(std::span<const project::Setting> settings) {
    for (std::size_t half = 0; half < m_wires.size(); ++half)
        for (std::size_t part = 0; part < m_wires[half].size(); ++part) {
            const auto kept =
                std::ranges::find(settings, wireName(half, part), &project::Setting::name);
            if (kept == settings.end()) continue;
            if (kept->text == woundText) {
                m_wires[half][part].wound = true;
                refresh();
            } else {
                typeResistance(half, int(part), QString::fromStdString(kept->text));
            }
        }
}

// Read as every field is, empty as 0; what cannot be used is named, and its cell focused.
void OdzivWindow::typeResistance(std::size_t half, int part, const QString& text) {
    const auto read =
        text.trimmed().isEmpty()
            ? calc::Result<double>(0.0)
            : calc::readFieldDouble(text.toStdString(), m_workspace.context().region());
    if (read && *read >= 0) {
        m_wires[half][part] = {*read, false, text};
        return refresh();
    }
    const Curve& curve = *std::ranges::find(m_facts->curves(), half, &Curve::half);
    const QString name =
        QStringLiteral("R zice kalema %1 (%2)")
            .arg(QString::fromStdString(curve.computed.parts[part].name), curve.name);
    QString warning = QStringLiteral("Polje %1 ne sme biti negativno.").arg(name);
    if (!read && read.error() == calc::FaultKind::OutOfRange)
        warning = QStringLiteral("Broj u polju %1 je van opsega.").arg(name);
    else if (!read)
        warning = QStringLiteral("U polju %1 nije broj: \"%2\". Upisite otpor u omima.")
                      .arg(name, formkit::quoted(text));
    // The warning holds a loop of its own, in which the window may be closed.
    const QPointer<OdzivWindow> alive(this);
    m_workspace.context().warner.warn(window(), warning);
    if (!alive) return;
    if (const auto row = m_facts->rowOf(half, part)) {
        m_table->setCurrentIndex(m_facts->index(*row, FactsModel::Resistance));
        m_table->setFocus(Qt::OtherFocusReason);
    }
}

namespace {

// The formats the save dialog offers, by the suffixes that ask for them.
constexpr std::pair<const char*, const char*> pictureFormats[] = {
    {"png", "png"}, {"jpg", "jpeg"}, {"jpeg", "jpeg"}, {"bmp", "bmp"}};

QByteArray formatFor(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (const auto& [asked, format] : pictureFormats)
        if (suffix == QLatin1String(asked) &&
            QImageWriter::supportedImageFormats().contains(format))
            return format;
    return {};
}

}  // namespace

// Through a QSaveFile: a picture that cannot be written whole, on a full disk say, leaves
// nothing half-written and an old picture of that name as it was.
bool OdzivWindow::saveImage(const QString& path) {
    QByteArray format = formatFor(path);
    const QString written = format.isEmpty() ? path + QStringLiteral(".png") : path;
    if (format.isEmpty()) format = "png";
    // The dialog asked before replacing the name chosen, not the one with ".png" added.
    if (written != path && QFileInfo::exists(written)) {
        m_workspace.context().warner.warn(
            window(), QStringLiteral("Slika nije sacuvana: ime trazi format koji ovde ne moze da se "
                                     "upise, a datoteka \"%1\" vec postoji. Izaberite ime koje se "
                                     "zavrsava sa .png, .jpg ili .bmp.")
                          .arg(formkit::quoted(QFileInfo(written).fileName())));
        return false;
    }
    const auto why = formkit::writeWholeFile(written, [&](QIODevice& file) {
        return QImageWriter(&file, format).write(m_charts->image());
    });
    if (why) {
        m_workspace.context().warner.warn(
            window(), QStringLiteral("Slika nije sacuvana u \"%1\": %2.")
                          .arg(formkit::quoted(written), *why));
        return false;
    }
    if (written != path)
        m_workspace.context().warner.warn(
            window(),
            QStringLiteral("Slika je sacuvana kao PNG u datoteku \"%1\": ime trazi format "
                           "koji ovde ne moze da se upise (mogu PNG, JPEG i BMP).")
                .arg(formkit::quoted(QFileInfo(written).fileName())));
    return true;
}

// The dialog is a child of the window and returns at once: a window that
// goes while it is open takes the dialog along. A dialog run in a loop of its
// own, on the stack, was freed a second time when its window went meanwhile.
void OdzivWindow::askWhereToSave() {
    const QDir pictures(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation));
    auto* dialog = formkit::fileDialog(
        this, QStringLiteral("Sacuvaj sliku odziva"),
        (pictures.exists() ? pictures : QDir::home()).filePath(QStringLiteral("odziv.png")),
        QStringLiteral("Slika PNG (*.png);;Slika JPEG (*.jpg *.jpeg);;Slika BMP (*.bmp)"),
        QFileDialog::AcceptSave);
    dialog->setObjectName(QStringLiteral("dlgSacuvajSliku"));
    dialog->setDefaultSuffix(QStringLiteral("png"));
    // A name typed without a suffix takes the one of the format chosen.
    connect(dialog, &QFileDialog::filterSelected, dialog, [dialog](const QString& filter) {
        static const QRegularExpression firstSuffix(QStringLiteral("\\(\\*\\.(\\w+)"));
        dialog->setDefaultSuffix(firstSuffix.match(filter).captured(1));
    });
    connect(dialog, &QFileDialog::fileSelected, this, &OdzivWindow::saveImage);
    dialog->open();
}

void OdzivWindow::updateCoilButtons() {
    const bool coil = m_facts->coilAt(m_table->currentIndex().row()).has_value();
    m_wind->setEnabled(coil);
    m_wound->setEnabled(coil);
}

void OdzivWindow::windSelectedCoil() {
    const auto coil = m_facts->coilAt(m_table->currentIndex().row());
    if (!coil) return;
    m_workspace.windCoil(*coil);
}

const formkit::WindowDesign frmOdziv{
    "frmOdziv", [](formkit::Workspace& workspace) { return new OdzivWindow(workspace); }, nullptr,
    true};

}  // namespace odziv
