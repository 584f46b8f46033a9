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
        return {
            QStringLiteral("Ne moze da se namota na ovom telu: izaberite drugo u prozoru "
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
                            const calc::Region& region,
                            const formkit::BenchSheet::Heading& heading) {
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
        section.load =
            curve.driverName.isEmpty()
                ? QStringLiteral("Z = ") +
                      formkit::componentText(network.load, driver::Element::Resistor, region)
                : curve.driverName;
        section.steps = stepsOf(network, [&](std::size_t part) {
            const auto row = facts.rowOf(curve.half, int(part));
            return row ? cell(*row, FactsModel::Value) : QString();
        });
        const std::vector<CorrectionPart> added = correctionParts(network);
        std::array<std::size_t, formkit::Corrections::kinds> resistors{};
        for (std::size_t part = 0; part < network.parts.size() + added.size(); ++part) {
            const auto row = facts.rowOf(curve.half, int(part));
            if (!row) continue;
            SheetPart shown{cell(*row, FactsModel::PartName),
                            cell(*row, FactsModel::Value),
                            cell(*row, FactsModel::StandardValue),
                            {},
                            {}};
            if (const QString wire = cell(*row, FactsModel::Resistance); !wire.isEmpty())
                shown.wire = wire + QStringLiteral(" oma");
            // A part of the ladder, or of a correction with its kind.
            const bool ladder = part < network.parts.size();
            const CorrectionPart* correction =
                ladder ? nullptr : &added[part - network.parts.size()];
            const driver::Element element =
                correction ? correction->part.element
                           : (network.parts[part].capacitor ? driver::Element::Capacitor
                                                            : driver::Element::Coil);
            if (element == driver::Element::Coil) {
                shown.standard = QStringLiteral("namotava se");
                const double millihenry =
                    correction ? correction->part.value : network.parts[part].value;
                sheet.coils.push_back(
                    {QStringLiteral("%1, %2: %3").arg(curve.name, shown.name, shown.value),
                     recipeOf(millihenry, region)});
            } else if (correction && element == driver::Element::Resistor) {
                const formkit::CorrectionPowers& powers = corrections.powersOf(correction->kind);
                const std::size_t index = resistors[correction->kind]++;
                if (index < powers.resistorWatts.size()) {
                    shown.power =
                        wattsText(powers.resistorWatts[index], region) + QStringLiteral(" W");
                    amplifier = std::max(amplifier, powers.amplifierWatts);
                }
            }
            section.parts.push_back(shown);
        }
        const auto first = facts.rowOf(curve.half, 0);
        if (first && !cell(*first, FactsModel::Edge).isEmpty())
            section.edges =
                QStringLiteral("-3 dB na %1 Hz (zadato %2 Hz), odstupanje %3")
                    .arg(cell(*first, FactsModel::Edge), cell(*first, FactsModel::Target),
                         cell(*first, FactsModel::Deviation));
        sheet.sections.push_back(std::move(section));
    }
    if (amplifier > 0)
        sheet.powerNote = QStringLiteral(
                              "Snaga otpornika: najvise sto primaju na pojacalu od %1 W, "
                              "kako ih racuna prozor Korekcija.")
                              .arg(wattsText(amplifier, region));
    const winding::Coil wound = winding::defaultCoil(0);
    const auto millimetres = [&region](float value) {
        return QString::fromStdString(calc::numberText(value, region));
    };
    sheet.windingNote =
        QStringLiteral(
            "Na telu precnika %1 mm, duzina namotaja %2 mm, bakarna "
            "lakirana zica %3 mm; za drugo telo ili zicu, prozor Namotaj.")
            .arg(millimetres(wound.former), millimetres(wound.length), millimetres(wound.wire));
    sheet.sum = facts.sumNotes();
    return sheet;
}

}  // namespace odziv
