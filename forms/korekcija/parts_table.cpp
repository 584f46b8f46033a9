#include "forms/korekcija/parts_table.h"

#include <QHeaderView>
#include <QTableWidget>
#include <cmath>

#include "formkit/corrections.h"
#include "formkit/window_rows.h"

namespace korekcija {

namespace {

enum Column { Part, Computed, Standard, Power, Rating, Columns };

QString number(double value, const calc::Region& region) {
    return QString::fromStdString(calc::numberText(value, region));
}

QString deviationText(double percent, const calc::Region& region) {
    const double tenths = std::round(percent * 10) / 10;
    return (tenths > 0 ? QStringLiteral("+") : QString()) +
           number(tenths == 0 ? 0 : tenths, region) + QStringLiteral(" %");
}

}  // namespace

QTableWidget* newPartsTable(const char* name, const QString& spokenName) {
    const QStringList headers{QStringLiteral("Deo"), QStringLiteral("Izracunato"),
                              QStringLiteral("Standardno"), QStringLiteral("Najveca snaga"),
                              QStringLiteral("Otpornik Pr")};
    auto* table = formkit::newResultTable(
        name, spokenName,
        QStringLiteral(
            "Delovi: izracunata vrednost, najblizi standardni deo (otpornik E24, kondenzator "
            "E12) sa odstupanjem, najveca snaga otpornika (W) i da li je otpornik snage Pr "
            "izdrzi."),
        headers);
    // Each column as wide as the longest text it shows, so that no part is cut.
    const QString longest[Columns] = {
        QStringLiteral("Deo"), QStringLiteral("8888,88 uF"), QStringLiteral("8888 uF (+88,8 %)"),
        QStringLiteral("8888,88 W na svim ucestanostima"), QStringLiteral("pregoreo bi")};
    const QFontMetrics metrics(table->font());
    int width = 2 * table->frameWidth();
    for (int column = 0; column < Columns; ++column) {
        const int wide = std::max(metrics.horizontalAdvance(longest[column]),
                                  metrics.horizontalAdvance(headers[column])) +
                         16;
        table->setColumnWidth(column, wide);
        width += wide;
    }
    table->setMinimumWidth(width);
    table->horizontalHeader()->setStretchLastSection(true);
    // Three parts at most, each a line of the window's font.
    const int row = metrics.height() + 6;
    // The style's least row height would win over the font's: Windows' is taller.
    table->verticalHeader()->setMinimumSectionSize(row);
    table->verticalHeader()->setDefaultSectionSize(row);
    table->setFixedHeight(table->horizontalHeader()->sizeHint().height() + 3 * row +
                          2 * table->frameWidth());
    return table;
}

void showParts(QTableWidget& table, const driver::Correction& correction,
               std::span<const response::Dissipation> powers, double rating,
               const calc::Region& region) {
    const std::vector<driver::Component> parts = driver::components(correction);
    table.setRowCount(int(parts.size()));
    std::size_t resistor = 0;
    for (int row = 0; row < table.rowCount(); ++row) {
        const driver::Component& part = parts[std::size_t(row)];
        const auto standard = formkit::standardValue(part, response::Series::E12);
        QString texts[Columns] = {
            QString::fromLatin1(part.name),
            formkit::componentText(part.value, part.element, region),
            standard ? QStringLiteral("%1 (%2)").arg(
                           formkit::componentText(*standard, part.element, region),
                           deviationText((*standard / part.value - 1) * 100, region))
                     : QStringLiteral("namotava se"),
            {},
            {}};
        bool over = false;
        if (part.element == driver::Element::Resistor && resistor < powers.size()) {
            const response::Dissipation& most = powers[resistor++];
            over = most.watts > rating;
            const QString watts = number(calc::roundTo2(most.watts), region);
            texts[Power] =
                most.everywhere
                    ? QStringLiteral("%1 W na svim ucestanostima").arg(watts)
                    : QStringLiteral("%1 W na %2 Hz").arg(watts).arg(std::lround(most.frequency));
            texts[Rating] = over ? QStringLiteral("pregoreo bi") : QStringLiteral("izdrzi");
        }
        for (int column = 0; column < Columns; ++column) {
            auto* item = new QTableWidgetItem(texts[column]);
            item->setTextAlignment(column == Part || column == Rating
                                       ? Qt::AlignCenter
                                       : Qt::AlignRight | Qt::AlignVCenter);
            if (over && column == Rating) {
                QFont bold = table.font();
                bold.setBold(true);
                item->setFont(bold);
                item->setForeground(QColor(200, 0, 0));
            }
            table.setItem(row, column, item);
        }
    }
}

}  // namespace korekcija
