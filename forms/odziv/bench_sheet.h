#pragma once

#include <QString>
#include <QStringList>
#include <span>
#include <vector>

#include "formkit/bench_sheet.h"
#include "forms/odziv/schematic.h"

class QChart;
class QPagedPaintDevice;

namespace odziv {

// A part's row on the sheet, its texts as the window writes them.
struct SheetPart {
    QString name;
    QString value;     // computed
    QString standard;  // what to buy; for a coil, that it is wound
    QString wire;      // a coil's resistance
    QString power;     // a resistor's
};

// A crossover half: its schematic and parts, and where it crosses over.
struct SheetSection {
    QString title;
    std::vector<Step> steps;
    QString load;
    std::vector<SheetPart> parts;
    QString edges;
};

// How to wind one coil: its name and inductance, then the recipe's lines.
struct SheetCoil {
    QString title;
    QStringList lines;
};

struct SheetContent {
    formkit::BenchSheet::Heading heading;
    std::vector<SheetSection> sections;
    QString powerNote;  // the amplifier the resistors' powers are counted for
    std::vector<SheetCoil> coils;
    QString windingNote;  // the former and the wire every coil is wound with
    QStringList sum;
};

// On A4 pages: the heading, each section, the coils, then the charts, each a level above its phase,
// and the sum's facts. Real text in the program's face, which a PDF embeds. False where the device
// cannot be painted on.
bool drawSheet(QPagedPaintDevice& device, const SheetContent& content,
               std::span<QChart* const> charts);

}  // namespace odziv
