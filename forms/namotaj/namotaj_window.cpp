#include "forms/namotaj/namotaj_window.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

#include "formkit/fonts.h"
#include "formkit/press.h"
#include "formkit/window_rows.h"
#include "formkit/window_state.h"
#include "formkit/workspace.h"
#include "forms/namotaj/winding_warnings.h"

namespace namotaj {

namespace {

using winding::Field;

// In the order of winding::Field, which is also the order of Tab.
constexpr formkit::FieldText fields[] = {
    {"txtInduktivitet", "L", "induktivitet", "mH", "0,18",
     "Induktivitet koji je dala forma skretnice."},
    {"txtPrecnikTela", "D", "precnik tela", "mm", "30",
     "Spoljni precnik tela na koje se namotava."},
    {"txtDuzina", "l", "duzina namotaja", "mm", "20", "Koliko je namotaj dug duz tela."},
    {"txtPrecnikZice", "dz", "precnik zice", "mm", "1", "Precnik bakra, bez laka."},
    // Empty: the wire's grade 1 diameter over the enamel, which the placeholder shows.
    {"txtPrecnikPrekoLaka", "dl", "precnik preko laka", "mm", "",
     "Prazno polje uzima zicu sa lakom prvog stepena (IEC 60317), ciji precnik pokazuje sivo."},
    // The coil form's text: 100 W into 4 ohm, 3 A per square millimetre.
    {"txtSnaga", "P", "snaga pojacala", "W", "100", "Snaga iz koje se racuna struja kroz kalem."},
    {"txtImpedansa", "Z", "impedansa zvucnika", "oma", "4",
     "Zvucnik na kome je kalem; daje i gubitak na kalemu."},
    {"txtGustina", "J", "gustina struje", "A/mm2", "3",
     "Uobicajeno je 3 A/mm2: zica kalema se malo greje, a kalem ostaje malen."},
};
constexpr std::size_t coilFieldCount = 5;

// N - 2 to N + 2 with their layers and inductance, read-only.
QTableWidget* addAround(QFormLayout& rows) {
    auto* table = formkit::newResultTable(
        "tblOkoN", QStringLiteral("Induktivitet za N-2 do N+2 namotaja"),
        QStringLiteral("Induktivitet (mH) za 2 namotaja manje do 2 vise: namotajte malo vise, "
                       "pa odmotavajte dok merite."),
        {QStringLiteral("N"), QStringLiteral("slojeva"), QStringLiteral("L (mH)")});
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    rows.addRow(table);
    return table;
}

}  // namespace

NamotajWindow::NamotajWindow(const formkit::FormContext& context) : m_context(context) {
    setWindowTitle(QStringLiteral("Namotaj kalema"));
    setFont(formkit::tableFont(formkit::normal975, font()));
    const calc::Region region = m_context.region();

    auto* coilBox = new QGroupBox(QStringLiteral("Kalem"));
    auto* coilRows = new QFormLayout(coilBox);
    auto* wireBox = new QGroupBox(QStringLiteral("Zica"));
    auto* wireRows = new QFormLayout(wireBox);
    for (std::size_t i = 0; i < m_inputs.size(); ++i) {
        QFormLayout& rows = i < coilFieldCount ? *coilRows : *wireRows;
        m_inputs[i] = {formkit::addField(rows, fields[i], region), fields[i].symbol,
                       fields[i].meaning};
    }
    QPushButton* wind = m_wind = formkit::addButton(
        *coilRows, "cmdIzracunaj", "&Izracunaj",
        "Racuna najmanji broj namotaja N koji daje L, slojeve, zicu (m), otpor (oma) i bakar (g).");
    // Each result wide enough for the longest caption of a coil a builder winds:
    // up to 99999 turns in up to 999 layers.
    m_turns = formkit::addResult(*coilRows, "lblNamotaji", "N, broj namotaja i slojeva",
                                 "N = 88888 namotaja (888 slojeva po 8888, u poslednjem 8888)");
    m_size = formkit::addResult(*coilRows, "lblMere", "h i do, debljina namotaja i srednji precnik",
                                "h = 888,88mm  do = 8888,88mm  l = 888,88mm");
    m_inductance =
        formkit::addResult(*coilRows, "lblInduktivitet", "L, induktivitet kalema", "L = 8888,88mH");
    m_copper = formkit::addResult(*coilRows, "lblBakar", "zica, duzina, otpor i masa bakra",
                                  "zica 88888,88m  R = 8888,88 oma (20 \u00B0C)  88888,88g");
    m_loss = formkit::addResult(*coilRows, "lblGubitak", "gubitak na kalemu",
                                "gubitak na kalemu -88,88 dB");
    m_around = addAround(*coilRows);
    QPushButton* suggest = formkit::addButton(*wireRows, "cmdPredloziZicu", "&Predlozi zicu",
                                              "Predlaze precnik zice (mm) za struju koju snaga P "
                                              "daje na Z pri gustini J, upisuje ga u dz "
                                              "i ponovo racuna kalem.");
    m_wire = formkit::addResult(*wireRows, "lblZica", "I i d, struja i precnik zice",
                                "I = 888,88A  d = 4,88mm");

    auto* parts = new QVBoxLayout(this);
    parts->addWidget(coilBox);
    parts->addWidget(wireBox);
    parts->addStretch();
    formkit::lineUpFields({coilRows, wireRows});
    // All five rows in view, each a line of the window's font, which the table has by now.
    const int row = m_around->fontMetrics().height() + 6;
    // The style's least row height would win over the font's: Windows' is taller.
    m_around->verticalHeader()->setMinimumSectionSize(row);
    m_around->verticalHeader()->setDefaultSectionSize(row);
    m_around->setFixedHeight(m_around->horizontalHeader()->sizeHint().height() + 5 * row +
                             2 * m_around->frameWidth());

    // Top to bottom, each part's button after its fields.
    std::vector<QWidget*> tabs;
    for (const formkit::Input& coil : coilInputs()) tabs.push_back(coil.field);
    tabs.push_back(wind);
    tabs.push_back(m_around);
    for (const formkit::Input& wire : wireInputs()) tabs.push_back(wire.field);
    tabs.push_back(suggest);
    for (std::size_t i = 1; i < tabs.size(); ++i) setTabOrder(tabs[i - 1], tabs[i]);
    setFocusProxy(m_inputs[0].field);

    connect(input(Field::Wire).field, &QLineEdit::textChanged, this,
            &NamotajWindow::showOuterDiameter);
    showOuterDiameter();
    // Results go stale as soon as a field they were computed from changes.
    for (const formkit::Input& coil : coilInputs())
        connect(coil.field, &QLineEdit::textChanged, this,
                [this] { markStale(coilResults(), true); });
    for (const formkit::Input& wire : wireInputs())
        connect(wire.field, &QLineEdit::textChanged, this, [this, &wire] {
            markStale(std::array<QWidget*, 1>{m_wire}, true);
            if (&wire == &input(Field::Impedance)) markStale(coilResults(), true);  // the loss
        });
    // Enter in a field presses its part's button.
    for (const formkit::Input& coil : coilInputs())
        connect(coil.field, &QLineEdit::returnPressed, wind, &QPushButton::click);
    for (const formkit::Input& wire : wireInputs())
        connect(wire.field, &QLineEdit::returnPressed, suggest, &QPushButton::click);
    connect(wind, &QPushButton::clicked, this, [this] { windCoil(true); });
    connect(suggest, &QPushButton::clicked, this, &NamotajWindow::suggestWire);
}

const formkit::Input& NamotajWindow::input(Field field) const {
    return m_inputs[std::to_underlying(field)];
}

std::span<const formkit::Input, 5> NamotajWindow::coilInputs() const {
    return std::span(m_inputs).first<coilFieldCount>();
}

std::span<const formkit::Input, 3> NamotajWindow::wireInputs() const {
    return std::span(m_inputs).subspan<coilFieldCount>();
}

void NamotajWindow::tell(const winding::BadField& failure) {
    formkit::reportFailure(m_context, windingWarning(failure, m_inputs, m_context.region()),
                           input(failure.field));
}

void NamotajWindow::showOuterDiameter() {
    const calc::Region region = m_context.region();
    const auto copper = calc::readField(input(Field::Wire).field->text().toStdString(), region);
    QString shown;
    if (copper && *copper > 0 && std::isfinite(*copper))
        shown = QString::fromStdString(calc::numberText(winding::overallDiameter(*copper), region));
    input(Field::Outer).field->setPlaceholderText(shown);
}

void NamotajWindow::windCoil(bool tellFailures) {
    const calc::Region region = m_context.region();
    std::array<std::optional<float>, coilFieldCount> values;
    for (std::size_t i = 0; i < coilFieldCount; ++i) {
        const formkit::Input& coilInput = coilInputs()[i];
        const QString text = coilInput.field->text();
        // An empty dl takes the wire's grade 1 diameter.
        if (&coilInput == &input(Field::Outer) && text.trimmed().isEmpty()) continue;
        const auto read = calc::readField(text.toStdString(), region);
        if (!read) {
            if (tellFailures)
                formkit::reportFailure(m_context, formkit::readingWarning(read.error(), coilInput),
                                       coilInput);
            return;
        }
        values[i] = *read;
    }
    const auto coil = winding::wind({*values[0], *values[1], *values[2], *values[3], values[4]});
    if (!coil) {
        if (tellFailures) tell(coil.error());
        return;
    }

    // The loss is an extra: a Z that gives none leaves it out without a warning.
    std::string loss;
    const auto impedance =
        formkit::readAs<double>(input(Field::Impedance).field->text().toStdString(), region);
    if (impedance && *impedance > 0)
        loss = winding::lossCaption(winding::seriesLoss(*impedance, coil->resistance), region);

    formkit::setCaption(m_turns, winding::turnsCaption(*coil));
    formkit::setCaption(m_size, winding::sizeCaption(*coil, region));
    formkit::setCaption(m_inductance, winding::inductanceCaption(*coil, region));
    formkit::setCaption(m_copper, winding::copperCaption(*coil, region));
    formkit::setCaption(m_loss, loss);
    showAround(*coil, region);
    markStale(coilResults(), false);
    formkit::recordPress(*m_wind, m_inputs);
}

std::array<QWidget*, 6> NamotajWindow::coilResults() const {
    return {m_turns, m_size, m_inductance, m_copper, m_loss, m_around};
}

// Greyed, and told to a screen reader, until the next press that succeeds.
void NamotajWindow::markStale(std::span<QWidget* const> results, bool stale) {
    const QString note = QStringLiteral("zastarelo: polja su promenjena posle racunanja");
    QPalette grey;
    for (const auto role : {QPalette::WindowText, QPalette::Text})
        grey.setColor(role, palette().color(QPalette::Disabled, role));
    for (QWidget* result : results) {
        result->setPalette(stale ? grey : QPalette());
        if (auto* label = qobject_cast<QLabel*>(result)) {
            const QString told =
                stale && !label->text().isEmpty()
                    ? label->text() + QStringLiteral(" (") + note + QLatin1Char(')')
                    : label->text();
            label->setToolTip(told);
            label->setAccessibleDescription(told);
        } else {
            result->setAccessibleDescription(stale ? note : QString());
        }
    }
}

void NamotajWindow::showAround(const winding::Winding& coil, const calc::Region& region) {
    m_around->setRowCount(static_cast<int>(coil.around.size()));
    for (int row = 0; row < m_around->rowCount(); ++row) {
        const winding::Neighbour& neighbour = coil.around[static_cast<std::size_t>(row)];
        const QString texts[] = {
            QString::number(neighbour.turns), QString::number(neighbour.layers),
            QString::fromStdString(winding::inductanceText(neighbour.inductance, region))};
        for (int column = 0; column < 3; ++column) {
            auto* item = new QTableWidgetItem(texts[column]);
            item->setTextAlignment(Qt::AlignCenter);
            if (neighbour.turns == coil.turns)
                item->setFont(formkit::tableFont(formkit::bold975, font()));
            m_around->setItem(row, column, item);
        }
    }
}

void NamotajWindow::suggestWire() {
    const calc::Region region = m_context.region();
    const auto values = formkit::readFields<double>(m_context, wireInputs(), region);
    if (!values) return;
    const auto& [power, impedance, density] = *values;
    const auto wire = winding::suggestWire(power, impedance, density);
    if (!wire) return tell(wire.error());

    formkit::setCaption(m_wire, winding::caption(*wire, region));
    markStale(std::array<QWidget*, 1>{m_wire}, false);
    QLineEdit* copper = input(Field::Wire).field;
    const QString suggested = QString::fromStdString(calc::numberText(wire->roundedUp, region));
    if (copper->text() == suggested) return;
    copper->setText(suggested);
    // The diameter over the enamel typed was the old wire's.
    input(Field::Outer).field->clear();
    // Coil results shown are the old wire's: wound again with the new one where the fields allow.
    if (!m_turns->text().isEmpty()) windCoil(false);
}

void NamotajWindow::takeCoil(const formkit::CoilToWind& coil) {
    const calc::Region region = m_context.region();
    const auto write = [&region](QLineEdit* field, double value) {
        field->setText(QString::fromStdString(calc::numberText(static_cast<float>(value), region)));
    };
    write(input(Field::Impedance).field, coil.ohms);
    QLineEdit* inductance = input(Field::Inductance).field;
    write(inductance, coil.millihenry);
    inductance->setFocus(Qt::OtherFocusReason);
    inductance->selectAll();
}

}  // namespace namotaj

namespace namotaj {

const formkit::WindowDesign frmNamotaj{"frmNamotaj",
                                       [](formkit::Workspace& workspace) -> QWidget* {
                                           return new NamotajWindow(workspace.context());
                                       },
                                       [](QWidget& window, const formkit::CoilToWind& coil) {
                                           static_cast<NamotajWindow&>(window).takeCoil(coil);
                                       }};

}  // namespace namotaj
