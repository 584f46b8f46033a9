#include "forms/project_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "formkit/file_dialog.h"
#include "formkit/warnings.h"
#include "formkit/whole_file.h"
#include "forms/main_window.h"
#include "forms/project_state.h"

namespace forms {

namespace {

const QString filters = QStringLiteral("Projekat Tav20 (*.tav20);;Sve datoteke (*)");

QString nameOf(const QString& path) { return formkit::quoted(QFileInfo(path).fileName()); }

}  // namespace

ProjectFile::ProjectFile(MainWindow& main) : QObject(&main), m_main(main) {}

void ProjectFile::warn(const QString& message) const {
    m_main.context().warner.warn(&m_main, message);
}

void ProjectFile::setPath(const QString& path) {
    m_path = path;
    m_main.setWindowTitle(path.isEmpty() ? QStringLiteral("Tav20")
                                         : QFileInfo(path).fileName() + QStringLiteral(" - Tav20"));
}

std::string ProjectFile::unframed() const {
    return project::writeProject(gatherProject(m_main, Frames::Left));
}

bool ProjectFile::changed() const { return unframed() != m_saved; }

bool ProjectFile::mayLeave() {
    if (m_path.isEmpty() || !changed()) return true;
    switch (m_main.context().warner.askToSave(
        &m_main,
        QStringLiteral("Projekat \"%1\" je promenjen. Sacuvati ga?").arg(nameOf(m_path)))) {
        case formkit::Warner::Answer::Save:
            return saveTo(m_path);
        case formkit::Warner::Answer::Discard:
            return true;
        case formkit::Warner::Answer::Cancel:
            break;
    }
    return false;
}

// As the program starts: the start form alone, no driver, no correction, no project.
void ProjectFile::startNew() {
    if (!mayLeave()) return;
    project::Project start;
    start.windows.push_back({"frmTav20", {}});
    openProject(m_main, start);
    setPath({});
    m_saved.clear();
}

void ProjectFile::chooseToOpen() {
    if (!mayLeave()) return;
    auto* dialog =
        formkit::fileDialog(&m_main, QStringLiteral("Otvori projekat"),
                            m_path.isEmpty() ? QDir::homePath() : QFileInfo(m_path).absolutePath(),
                            filters, QFileDialog::AcceptOpen);
    dialog->setObjectName(QStringLiteral("dlgOtvoriProjekat"));
    dialog->setFileMode(QFileDialog::ExistingFile);
    connect(dialog, &QFileDialog::fileSelected, this, &ProjectFile::open);
    dialog->open();
}

bool ProjectFile::open(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        warn(QStringLiteral("Projekat \"%1\" ne moze da se otvori: datoteka ne postoji ili nema "
                            "dozvole za citanje.")
                 .arg(nameOf(path)));
        return false;
    }
    // One byte beyond the largest project is enough to refuse a larger file.
    const QByteArray bytes = file.read(project::maxFileSize + 1);
    const auto kept = project::readProject(std::string_view(bytes.constData(), bytes.size()));
    if (!kept) {
        warn(QStringLiteral("Projekat \"%1\" nije otvoren: %2.")
                 .arg(nameOf(path), QString::fromStdString(kept.error().message)));
        return false;
    }
    const QStringList missing = openProject(m_main, *kept);
    setPath(path);
    // As it opened: a window it names that this program lacks does not make it changed.
    m_saved = unframed();
    if (!missing.isEmpty())
        warn(QStringLiteral("Projekat je otvoren bez prozora koje ovaj program nema: %1.")
                 .arg(missing.join(QStringLiteral(", "))));
    return true;
}

bool ProjectFile::save() {
    if (m_path.isEmpty()) {
        chooseWhereToSave();
        return false;
    }
    return saveTo(m_path);
}

void ProjectFile::chooseWhereToSave() {
    auto* dialog = formkit::fileDialog(
        &m_main, QStringLiteral("Sacuvaj projekat"),
        m_path.isEmpty() ? QDir::home().filePath(QStringLiteral("projekat.tav20")) : m_path,
        filters, QFileDialog::AcceptSave);
    dialog->setObjectName(QStringLiteral("dlgSacuvajProjekat"));
    dialog->setDefaultSuffix(QStringLiteral("tav20"));
    connect(dialog, &QFileDialog::fileSelected, this, &ProjectFile::saveTo);
    dialog->open();
}

bool ProjectFile::saveTo(const QString& path) {
    const std::string bytes = project::writeProject(gatherProject(m_main));
    const auto why = formkit::writeWholeFile(path, [&bytes](QIODevice& file) {
        return file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size());
    });
    if (why) {
        warn(QStringLiteral("Projekat nije sacuvan u \"%1\": %2. Datoteka koja je tamo bila "
                            "ostala je kakva je bila.")
                 .arg(nameOf(path), *why));
        return false;
    }
    setPath(path);
    m_saved = unframed();
    return true;
}

}  // namespace forms
