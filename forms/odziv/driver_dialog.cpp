#include "forms/odziv/driver_dialog.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>
#include <cmath>
#include <memory>

#include "driver/model.h"
#include "formkit/drivers.h"
#include "formkit/file_dialog.h"
#include "formkit/fonts.h"
#include "formkit/form_context.h"
#include "formkit/press.h"
#include "formkit/window_rows.h"
#include "forms/odziv/texts.h"

namespace odziv {

namespace {

// In the order of driver::Field, the sample woofer's values (driver::examples) by default.
constexpr formkit::FieldText parameterFields[] = {
    {"txtRe", "Re", "otpor kalema zvucnika", "oma", "6"},
    {"txtLe", "Le", "induktivitet kalema", "mH", "0,55"},
    {"txtFs", "fs", "rezonantna frekvencija", "Hz", "42"},
    {"txtQms", "Qms", "mehanicki faktor dobrote", "", "3,2"},
    {"txtQes", "Qes", "elektricni faktor dobrote", "", "0,42"},
    {"txtOsetljivost", "SPL", "osetljivost na %1 V i 1 m", "dB", "87,5"},
    {"txtR2", "R2", "otpor gubitaka kalema", "oma", "8"},
    {"txtL2", "L2", "induktivitet sa gubicima", "mH", "0,9"},
};
constexpr formkit::FieldText nominalField{
    "txtNazivna", "Z", "nazivna impedansa",
    "oma",        "8", "Bez ZMA datoteke zvucnik je otpornik te vrednosti."};
constexpr formkit::FieldText offsetField{
    "txtPomak", "d", "dubina akusticnog centra",
    "mm",       "0", "Koliko je centar iza prednje ploce: toliko kasni zvuk."};

QString nameOf(const formkit::Input& input) {
    return QStringLiteral("%1 (%2)").arg(QString::fromUtf8(input.symbol),
                                         QString::fromUtf8(input.meaning));
}

QString faultText(driver::Fault fault) {
    switch (fault) {
        case driver::Fault::Zero:
            return QStringLiteral("ne sme biti nula");
        case driver::Fault::Negative:
            return QStringLiteral("ne sme biti negativno");
        case driver::Fault::NotFinite:
            break;
    }
    return QStringLiteral("je van opsega");
}

}  // namespace

DriverDialog::DriverDialog(Source source, formkit::Workspace& workspace, QString& folder,
                           QWidget* parent)
    : QDialog(parent),
      m_workspace(workspace),
      m_source(source),
      m_folder(folder),
      m_name(new QLineEdit) {
    setObjectName(QStringLiteral("dlgZvucnik"));
    setWindowTitle(source == Source::Parameters ? QStringLiteral("Zvucnik iz parametara")
                                                : QStringLiteral("Zvucnik iz merenja"));
    setFont(formkit::tableFont(formkit::normal975, font()));
    const calc::Region region = m_workspace.context().region();
    auto* rows = new QFormLayout;
    m_name->setObjectName(QStringLiteral("txtIme"));
    m_name->setAccessibleName(QStringLiteral("Ime zvucnika"));
    m_name->setToolTip(QStringLiteral("Ime zvucnika, kako ga pokazuju lista i krive."));
    auto* nameLabel = new QLabel(QStringLiteral("&Ime"));
    nameLabel->setBuddy(m_name);
    rows->addRow(nameLabel, m_name);
    const auto addInput = [&](const formkit::FieldText& text) {
        m_inputs.push_back({formkit::addField(*rows, text, region), text.symbol, text.meaning});
    };
    if (source == Source::Parameters) {
        m_name->setText(
            QStringLiteral("zvucnik %1").arg(m_workspace.drivers().entries().size() + 1));
        // The sensitivity's voltage written by the region, as every number.
        for (formkit::FieldText text : parameterFields) {
            if (std::string_view(text.name) == "txtOsetljivost") {
                m_sensitivity = QString::fromLatin1(text.meaning)
                                    .arg(QString::fromStdString(calc::numberText(2.83, region)))
                                    .toUtf8();
                text.meaning = m_sensitivity.constData();
            }
            addInput(text);
        }
    } else {
        for (const driver::FileKind kind : {driver::FileKind::Frd, driver::FileKind::Zma}) {
            const bool frd = kind == driver::FileKind::Frd;
            auto* button =
                new QPushButton(frd ? QStringLiteral("&FRD...") : QStringLiteral("&ZMA..."));
            button->setObjectName(frd ? QStringLiteral("cmdFrd") : QStringLiteral("cmdZma"));
            button->setAutoDefault(false);
            button->setAccessibleName(frd ? QStringLiteral("Izaberi FRD datoteku, odziv")
                                          : QStringLiteral("Izaberi ZMA datoteku, impedansa"));
            button->setToolTip(
                frd ? QStringLiteral(
                          "Bira FRD datoteku: frekvencija (Hz), nivo (dB), faza (stepeni).")
                    : QStringLiteral(
                          "Bira ZMA datoteku: frekvencija (Hz), impedansa (oma), faza (stepeni)."));
            QLabel*& label = m_fileLabels[frd ? 0 : 1];
            label = new QLabel(QStringLiteral("nije izabrana"));
            label->setObjectName(frd ? QStringLiteral("lblFrd") : QStringLiteral("lblZma"));
            auto* line = new QHBoxLayout;
            line->addWidget(button);
            line->addWidget(label, 1);
            rows->addRow(frd ? QStringLiteral("Odziv") : QStringLiteral("Impedansa"), line);
            connect(button, &QPushButton::clicked, this, [this, kind] { choose(kind); });
        }
        addInput(nominalField);
    }
    addInput(offsetField);

    auto* buttons = new QDialogButtonBox;
    QPushButton* add = buttons->addButton(QStringLiteral("&Dodaj"), QDialogButtonBox::AcceptRole);
    add->setObjectName(QStringLiteral("cmdDodaj"));
    add->setDefault(true);
    add->setToolTip(QStringLiteral("Dodaje zvucnik u listu i zatvara prozor."));
    buttons->addButton(QDialogButtonBox::Cancel)
        ->setToolTip(QStringLiteral("Zatvara prozor bez dodavanja zvucnika."));
    connect(add, &QPushButton::clicked, this, &DriverDialog::add);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    if (source == Source::Files) {
        auto* note = new QLabel(QStringLiteral(
            "Dovoljna je i jedna datoteka: bez ZMA zvucnik je otpornik nazivne impedanse, "
            "bez FRD kriva je napon na zvucniku."));
        note->setWordWrap(true);
        layout->addWidget(note);
    }
    layout->addLayout(rows);
    layout->addWidget(buttons);
    // The main window's F1 waits while the dialog holds the keyboard.
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this,
            [this] { m_workspace.showHelp(); });
}

void DriverDialog::warn(const QString& message, const formkit::Input& input) {
    formkit::reportFailure(m_workspace.context(), message, input);
}

// The same dialog as the save dialog's: a child that returns at once and goes with its window.
void DriverDialog::choose(driver::FileKind kind) {
    const bool frd = kind == driver::FileKind::Frd;
    auto* dialog = formkit::fileDialog(
        this,
        frd ? QStringLiteral("Izaberite FRD datoteku") : QStringLiteral("Izaberite ZMA datoteku"),
        m_folder,
        frd ? QStringLiteral("Odziv FRD (*.frd *.txt);;Sve datoteke (*)")
            : QStringLiteral("Impedansa ZMA (*.zma *.txt);;Sve datoteke (*)"),
        QFileDialog::AcceptOpen);
    dialog->setObjectName(QStringLiteral("dlgDatoteka"));
    dialog->setFileMode(QFileDialog::ExistingFile);
    connect(dialog, &QFileDialog::fileSelected, this,
            [this, kind](const QString& path) { load(kind, path); });
    dialog->open();
}

bool DriverDialog::load(driver::FileKind kind, const QString& path) {
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_workspace.context().warner.warn(
            this,
            QStringLiteral("Datoteka \"%1\" ne moze da se otvori.").arg(formkit::quoted(name)));
        return false;
    }
    // One byte beyond the largest file read is enough to refuse a larger one.
    const QByteArray bytes = file.read(driver::maxFileSize + 1);
    auto measurement =
        driver::readMeasurement(kind, std::string_view(bytes.constData(), bytes.size()));
    if (!measurement) {
        m_workspace.context().warner.warn(
            this,
            QStringLiteral("Datoteka \"%1\" nije ucitana: %2.")
                .arg(formkit::quoted(name), QString::fromStdString(measurement.error().message)));
        return false;
    }
    const calc::Region region = m_workspace.context().region();
    const std::size_t slot = kind == driver::FileKind::Frd ? 0 : 1;
    const auto samples = measurement->samples();
    m_fileLabels[slot]->setText(QStringLiteral("%1: %2 do %3 Hz%4")
                                    .arg(name, hertzText(samples.front().frequency, region),
                                         hertzText(samples.back().frequency, region),
                                         measurement->phaseDerived()
                                             ? QStringLiteral(", faza izracunata iz nivoa")
                                             : QString()));
    m_files[slot] = std::move(*measurement);
    m_fileNames[slot] = name;
    m_fileBytes[slot] = bytes.toStdString();
    m_folder = QFileInfo(path).absolutePath();
    if (m_name->text().trimmed().isEmpty()) m_name->setText(QFileInfo(path).completeBaseName());
    return true;
}

std::optional<std::vector<double>> DriverDialog::readFields() {
    const calc::Region region = m_workspace.context().region();
    std::vector<double> values;
    for (const formkit::Input& input : m_inputs) {
        const auto read = formkit::readAs<double>(input.field->text().toStdString(), region);
        if (!read) {
            warn(formkit::readingWarning(read.error(), input), input);
            return std::nullopt;
        }
        values.push_back(*read);
    }
    return values;
}

bool DriverDialog::add() {
    const auto values = readFields();
    if (!values) return false;
    const double offset = values->back();
    std::shared_ptr<const driver::Driver> driver;
    QString source;
    if (m_source == Source::Parameters) {
        const auto& v = *values;
        const driver::Parameters parameters{v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]};
        if (const auto why = driver::unusable(parameters)) {
            const formkit::Input& input = m_inputs[std::size_t(why->field)];
            const bool branch = why->field == driver::Field::R2 || why->field == driver::Field::L2;
            warn(QStringLiteral("Polje %1 %2.").arg(nameOf(input), faultText(why->fault)) +
                     (branch && why->fault == driver::Fault::Zero
                          ? QStringLiteral(" R2 i L2 se upisuju zajedno, ili oba nula.")
                          : QString()),
                 input);
            return false;
        }
        driver = std::make_shared<const driver::Driver>(parameters);
        source = QStringLiteral("parametri");
    } else {
        if (!m_files[0] && !m_files[1]) {
            // The warning holds a loop of its own, in which the dialog may go with its window.
            const QPointer<QPushButton> frd = findChild<QPushButton*>(QStringLiteral("cmdFrd"));
            m_workspace.context().warner.warn(
                this, QStringLiteral("Izaberite bar jednu datoteku: FRD (odziv) ili ZMA "
                                     "(impedansu)."));
            if (frd) frd->setFocus();
            return false;
        }
        const double nominal = values->front();
        if (!(nominal > 0)) {
            warn(QStringLiteral("Polje %1 mora biti vece od nule.").arg(nameOf(m_inputs.front())),
                 m_inputs.front());
            return false;
        }
        driver = std::make_shared<const driver::Driver>(
            driver::Measured{m_files[0], m_files[1], nominal});
        QStringList names;
        for (const QString& name : m_fileNames)
            if (!name.isEmpty()) names << name;
        source = names.join(QStringLiteral(", "));
    }
    QString name = m_name->text().trimmed();
    if (name.isEmpty())
        name = QStringLiteral("zvucnik %1").arg(m_workspace.drivers().entries().size() + 1);
    std::array<std::optional<project::MeasuredFile>, 2> files;
    for (std::size_t slot = 0; slot < files.size(); ++slot)
        if (m_files[slot]) files[slot] = {m_fileNames[slot].toStdString(), m_fileBytes[slot]};
    m_workspace.drivers().add(name, source, std::move(driver), offset, std::move(files));
    accept();
    return true;
}

}  // namespace odziv
