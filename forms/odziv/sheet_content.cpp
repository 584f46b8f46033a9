#include "forms/odziv/sheet_content.h"

#include <algorithm>
#include <array>

#include "forms/odziv/curve.h"
#include "forms/odziv/facts_model.h"
#include "winding/winding.h"

namespace odziv {

namespace {

QString wattsText(double value, const calc::Region& region) {
    return QString::fromStdString(calc::numberText(calc::roundTo2(value), region));
}

// A coil's recipe by the winding window's defaults, or why there is none.
QStringList recipeOf(double millihenry, const calc::Region& region) {
    const auto wound = winding::wind(winding::defaultCoil(float(millihenry)));
    if (!wound)
        return {QStringLiteral("Ne moze da se namota na ovom telu: izaberite drugo u prozoru "
                               "Namotaj.")};
    const auto text = [](const std::string& caption) { return QString::fromStdString(caption); };
    return {text(winding::turnsCaption(*wound)) + QStringLiteral(";  ") +
                text(winding::sizeCaption(*wound, region)) + QStringLiteral(";  ") +
                text(winding::inductanceCaption(*wound, region)),
            text(winding::copperCaption(*wound, region)) + QStringLiteral(";  ") +
                text(winding::cutCaption(*wound, region))};
}

}  // namespace

SheetContent sheetContentOf(const FactsModel& facts, const formkit::Corrections& corrections,
                            const calc::Region& region, const formkit::BenchSheet::Heading& heading) {
    SheetContent sheet{.heading = heading};
    const auto cell = [&facts](int row, int column) {
        return facts.index(row, column).data().toString();
    };
    double amplifier = 0;
    for (const Curve& curve : facts.curves()) {
        const response::Network& network = curve.computed;
        SheetSection section;
        section.title = curve.name + (curve.driverName.isEmpty()
                                          ? QStringLiteral(", u otpornik Z")
                                          : QStringLiteral(", na zvucnik ") + curve.driverName);
        section.load = curve.driverName.isEmpty()
                           ? QStringLiteral("Z = ") + formkit::componentText(
                                                          network.load, driver::Element::Resistor, region)
                           : curve.driverName;
        section.steps = stepsOf(network, [&](std::size_t part) {
            const auto row = facts.rowOf(curve.half, int(part));
            return row ? cell(*row, FactsModel::Value) : QString();
        });
        const std::vector<CorrectionPart> added = correctionParts(network);
        const std::size_t count = network.parts.size() + added.size();
        std::array<std::size_t, formkit::Corrections::kinds> resistors{};
        for (std::size_t part = 0; part < count; ++part) {
            const auto row = facts.rowOf(curve.half, int(part));
            if (!row) continue;
            SheetPart shown{cell(*row, FactsModel::PartName), cell(*row, FactsModel::Value),
                            cell(*row, FactsModel::StandardValue), {}, {}};
            if (const QString wire = cell(*row, FactsModel::Resistance); !wire.isEmpty())
                shown.wire = wire + QStringLiteral(" oma");
            const bool coil = part < network.parts.size()
                                  ? !network.parts[part].capacitor
                                  : added[part - network.parts.size()].part.element ==
                                        driver::Element::Coil;
            if (coil) {
                shown.standard = QStringLiteral("namotava se");
                const double millihenry = part < network.parts.size()
                                              ? network.parts[part].value
                                              : added[part - network.parts.size()].part.value;
                sheet.coils.push_back({QStringLiteral("%1, %2: %3")
                                           .arg(curve.name, shown.name, shown.value),
                                       recipeOf(millihenry, region)});
            } else if (part >= network.parts.size() &&
                       added[part - network.parts.size()].part.element ==
                           driver::Element::Resistor) {
                const std::size_t kind = added[part - network.parts.size()].kind;
                const formkit::Corrections::Powers& powers = corrections.powersOf(kind);
                const std::size_t index = resistors[kind]++;
                if (index < powers.resistorWatts.size()) {
                    shown.power = wattsText(powers.resistorWatts[index], region) +
                                  QStringLiteral(" W");
                    amplifier = std::max(amplifier, powers.amplifierWatts);
                }
            }
            section.parts.push_back(shown);
        }
        const auto first = facts.rowOf(curve.half, 0);
        if (first && !cell(*first, FactsModel::Edge).isEmpty())
            section.edges = QStringLiteral("-3 dB na %1 Hz (zadato %2 Hz), odstupanje %3")
                                .arg(cell(*first, FactsModel::Edge),
                                     cell(*first, FactsModel::Target),
                                     cell(*first, FactsModel::Deviation));
        sheet.sections.push_back(std::move(section));
    }
    if (amplifier > 0)
        sheet.powerNote = QStringLiteral("Snaga otpornika: najvise sto primaju na pojacalu od %1 W, "
                                         "kako ih racuna prozor Korekcija.")
                              .arg(wattsText(amplifier, region));
    sheet.windingNote =
        QStringLiteral("Na telu precnika 30 mm, duzina namotaja 20 mm, bakarna lakirana zica "
                       "1 mm; za drugo telo ili zicu, prozor Namotaj.");
    sheet.sum = facts.sumNotes();
    return sheet;
}

}  // namespace odziv
