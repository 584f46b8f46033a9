#include "forms/bench_output.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>
#include <memory>

#include "formkit/bench_sheet.h"
#include "formkit/file_dialog.h"
#include "formkit/warnings.h"
#include "formkit/whole_file.h"
#include "forms/main_window.h"

namespace forms {

namespace {

const QString documentTitle = QStringLiteral("List za radni sto");

}  // namespace

BenchOutput::BenchOutput(MainWindow& main) : QObject(&main), m_main(main) {}

formkit::BenchSheet* BenchOutput::sheet() {
    QWidget* window = m_main.showBenchSheetWindow();
    if (!window) return nullptr;
    auto* sheet = qobject_cast<formkit::BenchSheet*>(window);
    if (sheet && sheet->hasBenchSheet()) return sheet;
    warn(
        QStringLiteral("Lista za radni sto jos nema: izracunajte skretnicu na formi Bas, "
                       "Srednji ili Visoki, pa ce list imati sta da pokaze."));
    return nullptr;
}

formkit::BenchSheet::Heading BenchOutput::heading() const {
    const QString& path = m_main.projectFile().path();
    return {path.isEmpty() ? QStringLiteral("nesacuvan projekat") : QFileInfo(path).fileName(),
            QDate::currentDate()};
}

void BenchOutput::warn(const QString& message) const {
    m_main.context().warner.warn(&m_main, message);
}

void BenchOutput::choosePrinter() {
    if (!sheet()) return;
    auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setDocName(documentTitle);
    printer->setCreator(QStringLiteral("Tav20"));
    auto* dialog = new QPrintDialog(printer.get(), &m_main);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setObjectName(QStringLiteral("dlgStampaj"));
    dialog->setWindowTitle(QStringLiteral("Stampanje lista za radni sto"));
    // The sheet is looked up again: its window may have closed while the dialog was open.
    connect(dialog, &QDialog::accepted, this, [this, printer] {
        formkit::BenchSheet* drawing = sheet();
        if (drawing && !drawing->drawBenchSheet(*printer, heading()))
            warn(
                QStringLiteral("List za radni sto nije odstampan: stampac ne moze da primi "
                               "stranu."));
    });
    dialog->open();
}

void BenchOutput::chooseWhereToExport() {
    if (!sheet()) return;
    const QString& project = m_main.projectFile().path();
    const QString suggested =
        project.isEmpty() ? QDir::home().filePath(QStringLiteral("list.pdf"))
                          : QFileInfo(project).dir().filePath(
                                QFileInfo(project).completeBaseName() + QStringLiteral(".pdf"));
    auto* dialog = formkit::fileDialog(&m_main, QStringLiteral("Izvezi list za radni sto"),
                                       suggested, QStringLiteral("PDF (*.pdf);;Sve datoteke (*)"),
                                       QFileDialog::AcceptSave);
    dialog->setObjectName(QStringLiteral("dlgIzveziPdf"));
    dialog->setDefaultSuffix(QStringLiteral("pdf"));
    connect(dialog, &QFileDialog::fileSelected, this, &BenchOutput::exportTo);
    dialog->open();
}

bool BenchOutput::exportTo(const QString& path) {
    formkit::BenchSheet* drawing = sheet();
    if (!drawing) return false;
    const formkit::BenchSheet::Heading title = heading();
    const auto why = formkit::writeWholeFile(path, [&](QIODevice& file) {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setResolution(600);
        writer.setTitle(documentTitle + QStringLiteral(": ") + title.project);
        writer.setCreator(QStringLiteral("Tav20"));
        return drawing->drawBenchSheet(writer, title);
    });
    if (why) {
        warn(QStringLiteral("List za radni sto nije sacuvan u \"%1\": %2. Datoteka koja je tamo "
                            "bila ostala je kakva je bila.")
                 .arg(formkit::quoted(QFileInfo(path).fileName()), *why));
        return false;
    }
    return true;
}

}  // namespace forms
