#pragma once

#include <QDate>
#include <QString>
#include <QtPlugin>

class QPagedPaintDevice;

namespace formkit {

// A window that draws the sheet a builder takes to the bench: each section's schematic and parts,
// how to wind each coil, the curves. The File menu prints it or writes it as PDF.
class BenchSheet {
public:
    struct Heading {
        QString project;  // the project's file name, or what to call a project never saved
        QDate date;
    };

    // Whether there is anything to draw: a crossover computed.
    virtual bool hasBenchSheet() const = 0;
    // Onto A4 pages; false where the device cannot be painted on.
    virtual bool drawBenchSheet(QPagedPaintDevice& device, const Heading& heading) = 0;

protected:
    ~BenchSheet() = default;
};

}  // namespace formkit

// Found across the module boundary by qobject_cast, as Qt finds a plugin's interfaces.
Q_DECLARE_INTERFACE(formkit::BenchSheet, "tav20.BenchSheet/1")
