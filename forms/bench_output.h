#pragma once

#include <QObject>
#include <QString>

#include "formkit/bench_sheet.h"

namespace forms {

class MainWindow;

// The File menu's "Stampaj..." and "Izvezi PDF...": the bench sheet of the window that draws it,
// opened first where it is not, on paper or into a PDF file.
class BenchOutput : public QObject {
public:
    explicit BenchOutput(MainWindow& main);

    void choosePrinter();
    void chooseWhereToExport();
    // Through a QSaveFile: a PDF that cannot be written leaves the file there as it was, and says
    // why.
    bool exportTo(const QString& path);

private:
    // The window that draws the sheet, where it has something to draw; else the user is told why
    // not.
    formkit::BenchSheet* sheet();
    // The project's file name, or what to call one never saved, and today.
    formkit::BenchSheet::Heading heading() const;
    void warn(const QString& message) const;

    MainWindow& m_main;
};

}  // namespace forms
