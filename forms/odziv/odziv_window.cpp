#include "forms/odziv/odziv_window.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
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
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QSaveFile>
#include <QScrollBar>
#include <QSplitter>
#include <QStandardPaths>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "formkit/file_dialog.h"
#include "formkit/fonts.h"
#include "formkit/form_context.h"
#include "formkit/shown_results.h"
#include "formkit/warnings.h"
#include "forms/odziv/facts_model.h"
#include "forms/odziv/response_charts.h"
#include "forms/odziv/texts.h"

namespace odziv {

OdzivWindow::OdzivWindow(formkit::Workspace& workspace)
    : m_workspace(workspace),
      m_facts(new FactsModel),
      m_charts(new ResponseCharts),
      m_series(new QComboBox),
      m_table(new QTableView),
      m_wind(new QPushButton(QStringLiteral("Namota&j..."))),
      m_empty(new QLabel(QStringLiteral(
          "Jos nema izracunate skretnice: pritisnite Izracunaj na formi bas, Srednjetonci "
          "ili visokotonci, i kriva ce se pojaviti ovde."))) {
    setWindowTitle(QStringLiteral("Odziv skretnice"));
    setFont(formkit::tableFont(formkit::normal975, font()));
    m_facts->setParent(this);

    auto* seriesLabel = new QLabel(QStringLiteral("Standardni kon&denzatori:"));
    seriesLabel->setBuddy(m_series);
    m_series->addItems({QStringLiteral("E12"), QStringLiteral("E24")});
    m_series->setAccessibleName(QStringLiteral("Standardni kondenzatori"));
    auto* save = new QPushButton(QStringLiteral("&Sacuvaj sliku..."));
    auto* top = new QHBoxLayout;
    top->addWidget(seriesLabel);
    top->addWidget(m_series);
    top->addStretch();
    top->addWidget(save);

    m_table->setModel(m_facts);
    m_table->setAccessibleName(QStringLiteral("Delovi i granicne ucestanosti"));
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
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
    save->setObjectName(QStringLiteral("cmdSacuvajSliku"));
    m_series->setObjectName(QStringLiteral("cboStandardni"));
    m_table->setObjectName(QStringLiteral("tblDelovi"));

    auto* choices = new QGridLayout;
    for (std::size_t half = 0; half < m_choices.size(); ++half) {
        const QString name = QString::fromLatin1(formkit::crossoverHalves[half].name);
        Choices& row = m_choices[half];
        row = {new QLabel(name), new QCheckBox(QStringLiteral("u zbiru")),
               new QCheckBox(QStringLiteral("obrnut polaritet"))};
        row.inSum->setObjectName(QStringLiteral("chkZbir%1").arg(half));
        row.reversed->setObjectName(QStringLiteral("chkObrnut%1").arg(half));
        row.inSum->setAccessibleName(name + QStringLiteral(", u zbiru"));
        row.reversed->setAccessibleName(name + QStringLiteral(", obrnut polaritet"));
        // Each form's two halves side by side, in the table's order.
        const int line = int(half / 2), column = int(half % 2) * 4;
        choices->addWidget(row.name, line, column);
        choices->addWidget(row.inSum, line, column + 1);
        choices->addWidget(row.reversed, line, column + 2);
        for (QCheckBox* box : {row.inSum, row.reversed})
            connect(box, &QCheckBox::toggled, this, &OdzivWindow::redraw);
    }
    // From the left, whichever halves are shown.
    choices->setColumnMinimumWidth(3, 24);
    choices->setColumnStretch(7, 1);

    auto* legend = new QLabel(QStringLiteral(
        "Isprekidane linije: isti delovi sa standardnim kondenzatorima. Za zbir oznacite "
        "\"u zbiru\" kod dve ili vise krivih; \"obrnut polaritet\" je zvucnik vezan naopako."));
    legend->setWordWrap(true);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_wind);
    bottom->addWidget(legend, 1);

    auto* facts = new QWidget;
    auto* factsLayout = new QVBoxLayout(facts);
    factsLayout->setContentsMargins({});
    factsLayout->addWidget(m_empty);
    factsLayout->addWidget(m_table);
    factsLayout->addLayout(choices);
    factsLayout->addLayout(bottom);

    auto* splitter = new QSplitter(Qt::Vertical);
    splitter->addWidget(m_charts);
    splitter->addWidget(facts);
    splitter->setStretchFactor(0, 1);
    splitter->setChildrenCollapsible(false);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(splitter, 1);
    QWidget* previous = m_table;
    for (const Choices& row : m_choices)
        for (QWidget* box : {row.inSum, row.reversed})
            setTabOrder(std::exchange(previous, box), box);
    setTabOrder(previous, m_wind);
    setTabOrder(m_wind, m_series);
    setTabOrder(m_series, save);

    m_workspace.shownResults().subscribe(this, [this](std::size_t) { refresh(); });
    connect(m_series, &QComboBox::currentIndexChanged, this, &OdzivWindow::refresh);
    connect(save, &QPushButton::clicked, this, &OdzivWindow::askWhereToSave);
    connect(m_wind, &QPushButton::clicked, this, &OdzivWindow::windSelectedCoil);
    connect(m_table->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &OdzivWindow::updateWindButton);
    // The rows chosen (Ctrl+A: all) go to the clipboard with a tab between cells, for a
    // spreadsheet or a note.
    auto* copy = new QAction(m_table);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    m_table->addAction(copy);
    connect(copy, &QAction::triggered, this, &OdzivWindow::copyRows);
    connect(m_table, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        if (!m_facts->coilAt(m_table->indexAt(at).row())) return;
        auto* menu = new QMenu(this);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        connect(menu->addAction(QStringLiteral("Namota&j...")), &QAction::triggered, this,
                &OdzivWindow::windSelectedCoil);
        menu->popup(m_table->viewport()->mapToGlobal(at));
    });
    refresh();
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

// Not as the window's focus proxy: Tab would come back to the table wherever the window
// stands in the chain of its controls.
void OdzivWindow::focusInEvent(QFocusEvent* event) {
    if (m_table->isVisible()) m_table->setFocus(event->reason());
}

response::Series OdzivWindow::series() const {
    return m_series->currentIndex() == 1 ? response::Series::E24 : response::Series::E12;
}

void OdzivWindow::refresh() {
    const calc::Region region = m_workspace.context().region();
    const formkit::ShownResults& shown = m_workspace.shownResults();
    // Keep the reader's place: the same part of the same curve.
    const QModelIndex current = m_table->currentIndex();
    std::optional<std::pair<std::size_t, int>> place;
    if (current.isValid() && !m_facts->isNote(current.row()))
        for (const Curve& curve : m_facts->curves())
            for (int part = 0; part < int(curve.computed.parts.size()); ++part)
                if (m_facts->rowOf(curve.half, part) == current.row()) place = {curve.half, part};

    std::vector<Curve> curves;
    std::vector<std::vector<QString>> texts;
    for (std::size_t half = 0; half < formkit::ShownResults::halves; ++half) {
        const auto& result = shown.of(half);
        if (!result) continue;
        curves.push_back(curveOf(half, *result, series()));
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
        for (QCheckBox* box : {row.inSum, row.reversed}) {
            if (!drawn[half]) {
                const QSignalBlocker quiet(box);
                box->setChecked(false);
            }
            box->setVisible(drawn[half]);
        }
        row.name->setVisible(drawn[half]);
    }
    m_empty->setVisible(m_facts->curves().empty());
    m_table->setVisible(!m_facts->curves().empty());
    updateWindButton();
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
    // One curve alone is no sum.
    std::vector<response::Point> total;
    std::optional<SumFacts> facts;
    if (sum.size() >= 2) {
        total = response::drawnSum(sum, m_charts->grid());
        facts = sumFactsOf(summed, sum, total);
    }
    m_charts->draw(m_facts->curves(), computed, standard, total);
    m_facts->setSum(facts);
    m_table->clearSpans();
    for (int row = 0; row < m_facts->rowCount(); ++row)
        if (m_facts->isNote(row))
            m_table->setSpan(row, FactsModel::PartName, 1, FactsModel::Columns - 1);
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
    QSaveFile file(written);
    QImageWriter writer(&file, format);
    // Flushed first: commit() closes the file without heeding whether its last flush failed.
    if (!file.open(QIODevice::WriteOnly) || !writer.write(m_charts->image()) || !file.flush() ||
        !file.commit()) {
        file.cancelWriting();
        m_workspace.context().warner.warn(
            window(), QStringLiteral("Slika nije sacuvana: u datoteku \"%1\" ne moze da se upise.")
                          .arg(formkit::quoted(written)));
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

void OdzivWindow::updateWindButton() {
    m_wind->setEnabled(m_facts->coilAt(m_table->currentIndex().row()).has_value());
}

void OdzivWindow::windSelectedCoil() {
    const auto coil = m_facts->coilAt(m_table->currentIndex().row());
    if (!coil) return;
    m_workspace.windCoil(*coil);
}

const formkit::WindowDesign frmOdziv{
    "frmOdziv", [](formkit::Workspace& workspace) { return new OdzivWindow(workspace); }};

}  // namespace odziv
