#include "forms/korekcija/korekcija_window.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>
#include <utility>

#include "formkit/drivers.h"
#include "formkit/fonts.h"
#include "formkit/press.h"
#include "formkit/window_rows.h"
#include "formkit/window_state.h"
#include "forms/korekcija/correction_warnings.h"
#include "forms/korekcija/parts_table.h"
#include "response/network.h"
#include "response/sweep.h"

namespace korekcija {

namespace {

// The sections a driver's figures fill, and the baffle step's, by their place in
// driver::Correction.
constexpr std::size_t zobelKind = 0, notchKind = 2, stepKind = 3;

QString number(double value, const calc::Region& region) {
    return QString::fromStdString(calc::numberText(response::roundPart(value), region));
}

formkit::Input addInput(QFormLayout& rows, const SectionField& row, const calc::Region& region) {
    QLineEdit* field = formkit::addField(rows, row.text, region);
    field->setToolTip(QString::fromLatin1(row.tip));
    return {field, row.text.symbol, row.text.meaning};
}

}  // namespace

KorekcijaWindow::KorekcijaWindow(formkit::Workspace& workspace)
    : m_workspace(workspace), m_driver(new QComboBox), m_source(new QLabel) {
    setWindowTitle(QStringLiteral("Korekcija"));
    setFont(formkit::tableFont(formkit::normal975, font()));
    const calc::Region region = m_workspace.context().region();

    auto* driverBox = new QGroupBox(QStringLiteral("Zvucnik"));
    auto* driverRows = new QFormLayout(driverBox);
    auto* driverLabel = new QLabel(QStringLiteral("Podaci &iz:"));
    driverLabel->setBuddy(m_driver);
    m_driver->setObjectName(QStringLiteral("cboZvucnik"));
    m_driver->setAccessibleName(QStringLiteral("Zvucnik ciji podaci popunjavaju polja"));
    m_driver->setToolTip(QStringLiteral(
        "Zvucnik iz spiska prozora Odziv skretnice: njegovi Re, Le, fs, Qms i Qes popunjavaju "
        "polja; iz ZMA datoteke Re i Le se procenjuju iznad rezonancije"));
    m_driver->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    driverRows->addRow(driverLabel, m_driver);
    m_source->setObjectName(QStringLiteral("lblIzvor"));
    m_source->setWordWrap(true);
    driverRows->addRow(m_source);

    auto* commonBox = new QGroupBox(QStringLiteral("Pojacalo i otpornici"));
    auto* commonRows = new QFormLayout(commonBox);
    for (std::size_t i = 0; i < m_common.size(); ++i)
        m_common[i] = addInput(*commonRows, commonFields()[i], region);

    std::vector<QFormLayout*> allRows{commonRows};
    auto* grid = new QGridLayout;
    for (std::size_t kind = 0; kind < m_sections.size(); ++kind) {
        const Section& section = sections()[kind];
        SectionWidgets& widgets = m_sections[kind];
        auto* box = new QGroupBox(QString::fromLatin1(section.title));
        box->setObjectName(QString::fromLatin1(section.name));
        auto* column = new QVBoxLayout(box);
        auto* rows = new QFormLayout;
        column->addLayout(rows);
        // Two sections ask for Re and two for Z: a screen reader hears whose.
        for (const SectionField& row : section.fields) {
            widgets.inputs.push_back(addInput(*rows, row, region));
            QLineEdit* field = widgets.inputs.back().field;
            field->setAccessibleName(field->accessibleName() + QStringLiteral(" (") + box->title() +
                                     QLatin1Char(')'));
        }
        widgets.button =
            formkit::addButton(*rows, section.button, section.caption, section.buttonTip);
        if (kind == stepKind) {
            m_wind = formkit::addButton(
                *rows, "cmdNamotaj", "Namota&j kalem Lb...",
                "Otvara prozor Namotaj kalema sa induktivnoscu Lb i impedansom Z");
            m_wind->setEnabled(false);
        }
        if (kind == stepKind) {
            widgets.note = new QLabel;
            widgets.note->setObjectName(QStringLiteral("lblStepenik"));
            rows->addRow(widgets.note);
        }
        widgets.table = newPartsTable(
            section.table, QString::fromLatin1(section.title) + QStringLiteral(", delovi"));
        // The tables of both columns on one line, however many fields stand above them.
        column->addStretch();
        column->addWidget(widgets.table);
        grid->addWidget(box, int(kind / 2), int(kind % 2));
        allRows.push_back(rows);
    }

    auto* top = new QHBoxLayout;
    top->addWidget(driverBox, 1);
    top->addWidget(commonBox);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(grid);
    layout->addStretch();
    for (QFormLayout* rows : allRows) formkit::lineUpFields({rows});

    // Top to bottom, left to right: the driver, the amplifier, each section's fields, its button
    // and its table.
    std::vector<QWidget*> tabs{m_driver};
    for (const formkit::Input& input : m_common) tabs.push_back(input.field);
    for (std::size_t kind = 0; kind < m_sections.size(); ++kind) {
        for (const formkit::Input& input : m_sections[kind].inputs) tabs.push_back(input.field);
        tabs.push_back(m_sections[kind].button);
        if (kind == stepKind) tabs.push_back(m_wind);
        tabs.push_back(m_sections[kind].table);
    }
    for (std::size_t i = 1; i < tabs.size(); ++i) setTabOrder(tabs[i - 1], tabs[i]);
    // The first of the order, so that Tab comes round to it again.
    setFocusProxy(m_driver);

    for (std::size_t kind = 0; kind < m_sections.size(); ++kind) {
        QPushButton* button = m_sections[kind].button;
        // Enter in a field presses its section's button.
        for (const formkit::Input& input : m_sections[kind].inputs)
            connect(input.field, &QLineEdit::returnPressed, button, &QPushButton::click);
        connect(button, &QPushButton::clicked, this, [this, kind] { compute(kind); });
    }
    connect(m_wind, &QPushButton::clicked, this, &KorekcijaWindow::windStepCoil);
    connect(m_driver, &QComboBox::activated, this, &KorekcijaWindow::takeFigures);
    m_workspace.drivers().subscribe(this, [this] { listDrivers(); });
    listDrivers();
}

void KorekcijaWindow::listDrivers() {
    const int chosen = m_driver->currentData().toInt();
    const QSignalBlocker quiet(m_driver);
    m_driver->clear();
    m_driver->addItem(QStringLiteral("upisano u polja"), 0);
    for (const formkit::DriverEntry& entry : m_workspace.drivers().entries())
        m_driver->addItem(entry.name, entry.id);
    m_driver->setCurrentIndex(std::max(0, m_driver->findData(chosen)));
}

void KorekcijaWindow::chooseDriver(int id) {
    m_driver->setCurrentIndex(std::max(0, m_driver->findData(id)));
    takeFigures();
}

// A model's figures as they are; from a ZMA, Re and Le fitted above resonance.
void KorekcijaWindow::takeFigures() {
    const formkit::DriverEntry* entry = m_workspace.drivers().find(m_driver->currentData().toInt());
    if (!entry) return m_source->clear();
    const calc::Region region = m_workspace.context().region();
    const auto write = [&](std::size_t kind, std::size_t field, double value) {
        m_sections[kind].inputs[field].field->setText(number(value, region));
    };
    if (const auto* model = std::get_if<driver::Parameters>(entry->driver.get())) {
        write(zobelKind, 0, model->re);
        write(zobelKind, 1, model->le);
        for (std::size_t field = 0;
             const double value : {model->fs, model->qms, model->qes, model->re})
            write(notchKind, field++, value);
        return m_source->setText(
            QStringLiteral("Iz parametara zvucnika %1: Re, Le, fs, Qms i Qes.").arg(entry->name));
    }
    const auto& measured = std::get<driver::Measured>(*entry->driver);
    const auto coil = measured.impedance ? driver::fitVoiceCoil(*measured.impedance) : std::nullopt;
    if (!coil) {
        return m_source->setText(
            measured.impedance
                ? QStringLiteral("ZMA zvucnika %1 ne daje Re i Le: nema rezonancije, ili nema "
                                 "oktave merenja iznad deset puta njene ucestanosti.")
                      .arg(entry->name)
                : QStringLiteral("Zvucnik %1 nema ZMA: upisite Re i Le.").arg(entry->name));
    }
    write(zobelKind, 0, coil->re);
    write(zobelKind, 1, coil->le);
    m_source->setText(
        QStringLiteral("Iz ZMA zvucnika %1 (rezonancija %2 Hz): Re = %3 oma, "
                       "najmanji realni deo od %2 do %4 Hz; Le = %5 mH, od %6 do %4 Hz.")
            .arg(entry->name)
            .arg(std::lround(coil->resonance))
            .arg(number(coil->re, region))
            .arg(std::lround(coil->to))
            .arg(number(coil->le, region))
            .arg(std::lround(coil->from)));
}

std::optional<std::vector<double>> KorekcijaWindow::read(std::span<const formkit::Input> inputs) {
    const calc::Region region = m_workspace.context().region();
    std::vector<double> values;
    for (const formkit::Input& input : inputs) {
        const auto value = formkit::readAs<double>(input.field->text().toStdString(), region);
        if (!value) {
            formkit::reportFailure(m_workspace.context(),
                                   formkit::readingWarning(value.error(), input), input);
            return std::nullopt;
        }
        values.push_back(*value);
    }
    return values;
}

void KorekcijaWindow::compute(std::size_t kind) {
    const calc::Region region = m_workspace.context().region();
    const Section& section = sections()[kind];
    SectionWidgets& widgets = m_sections[kind];
    const auto values = read(widgets.inputs);
    if (!values) return;
    const auto made = section.make(*values);
    if (!made) {
        const formkit::Input& input = widgets.inputs[made.error().field];
        return formkit::reportFailure(
            m_workspace.context(), correctionWarning(made.error().problem, input, region), input);
    }
    const auto common = read(m_common);
    if (!common) return;
    for (std::size_t i = 0; i < m_common.size(); ++i)
        if (!((*common)[i] > 0) || !std::isfinite((*common)[i]))
            return formkit::reportFailure(m_workspace.context(), notPositiveWarning(m_common[i]),
                                          m_common[i]);

    // Straight on the amplifier, into the impedance its power is counted in: the worst case, which
    // a crossover ahead mostly lessens.
    const double load = (*values)[section.ratedInto];
    response::Network alone{response::Topology::LowPass6db, {{"L", false, 0}}, load};
    alone.corrections = {made->correction};
    const double power = (*common)[std::size_t(Common::Power)];
    const auto powers = response::worstResistorPowers(alone, std::sqrt(power * load));
    showParts(*widgets.table, made->correction, powers, (*common)[std::size_t(Common::Rating)],
              region);
    if (made->step) {
        widgets.note->setText(QStringLiteral("Stepenik na %1 Hz: iznad njega nivo je %2 dB nizi.")
                                  .arg(std::lround(*made->step))
                                  .arg(number((*values)[1], region)));
        m_wind->setEnabled(true);
    }
    widgets.design = *made;
    widgets.load = load;
    formkit::CorrectionPowers taken{power, {}};
    for (const response::Dissipation& most : powers) taken.resistorWatts.push_back(most.watts);
    m_workspace.corrections().set(made->correction, std::move(taken));
    std::vector<formkit::Input> read = widgets.inputs;
    read.insert(read.end(), m_common.begin(), m_common.end());
    formkit::recordPress(*widgets.button, read);
}

void KorekcijaWindow::windStepCoil() {
    const auto& step = m_sections[stepKind].design;
    if (!step) return;
    m_workspace.windCoil(
        {std::get<driver::BaffleStep>(step->correction).inductance, m_sections[stepKind].load});
}

const formkit::WindowDesign frmKorekcija{
    "frmKorekcija", [](formkit::Workspace& workspace) { return new KorekcijaWindow(workspace); }};

}  // namespace korekcija
