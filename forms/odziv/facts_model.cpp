#include "forms/odziv/facts_model.h"

#include <algorithm>

#include "formkit/corrections.h"
#include "forms/odziv/texts.h"

namespace odziv {

namespace {

QString whyNot(response::Unusable reason) {
    switch (reason) {
        case response::Unusable::NegativePart:
            return QStringLiteral("Kriva se ne crta: neki deo je negativan.");
        case response::Unusable::NegativeLoad:
            return QStringLiteral("Kriva se ne crta: impedansa zvucnika je negativna.");
        case response::Unusable::NotFinite:
            break;
    }
    return QStringLiteral("Kriva se ne crta: neka vrednost je van opsega.");
}

QString unit(const response::Part& part) {
    return part.capacitor ? QStringLiteral(" uF") : QStringLiteral(" mH");
}

QString resistanceText(double ohms, Wire wire, const calc::Region& region) {
    const QString value = QString::fromStdString(calc::numberText(calc::roundTo2(ohms), region));
    switch (wire) {
        case Wire::Wound:
            return value + QStringLiteral(" (namotaj)");
        case Wire::NotWound:
            return QStringLiteral("nema namotaja");
        case Wire::Typed:
            break;
    }
    return value;
}

}  // namespace

void FactsModel::setCurves(std::vector<Curve> curves, std::vector<std::vector<QString>> partTexts,
                           response::Series series, const calc::Region& region) {
    beginResetModel();
    m_curves = std::move(curves);
    m_partTexts = std::move(partTexts);
    m_series = series;
    m_region = region;
    m_rows.clear();
    for (std::size_t i = 0; i < m_curves.size(); ++i) {
        if (m_curves[i].unusable) {
            m_rows.push_back({i, -1, whyNot(*m_curves[i].unusable)});
            continue;
        }
        const int parts =
            int(m_curves[i].computed.parts.size() + correctionParts(m_curves[i].computed).size());
        for (int part = 0; part < parts; ++part) m_rows.push_back({i, part, {}});
        if (m_curves[i].noPassBand)
            m_rows.push_back({i, -1,
                              QStringLiteral("Nema propusnog opsega: Fp1 nije ispod Fp2, pa "
                                             "odstupanja nemaju smisla.")});
    }
    endResetModel();
}

QStringList FactsModel::sumNotes() const {
    QStringList notes;
    for (const Row& row : m_rows)
        if (row.curve == sumIndex()) notes << row.note;
    return notes;
}

void FactsModel::setSum(const std::optional<SumFacts>& sum) {
    const auto first = std::ranges::find(m_rows, sumIndex(), &Row::curve);
    const int from = int(first - m_rows.begin());
    if (first != m_rows.end()) {
        beginRemoveRows({}, from, int(m_rows.size()) - 1);
        m_rows.erase(first, m_rows.end());
        endRemoveRows();
    }
    if (!sum) return;
    const auto hertz = [this](double frequency) { return hertzText(frequency, m_region); };
    QStringList notes;
    for (const response::Point& point : sum->atCrossovers)
        notes << QStringLiteral("Nivo na %1 Hz: %2")
                     .arg(hertz(point.frequency), levelText(point.level, m_region));
    if (!sum->band) {
        notes << QStringLiteral("Propusni opseg: nema");
    } else {
        notes << QStringLiteral("Propusni opseg: od %1 do %2 Hz")
                     .arg(hertz(sum->band->lower), hertz(sum->band->upper));
        const auto turn = [&](const std::optional<response::Point>& point) {
            return point ? QStringLiteral("%1 na %2 Hz")
                               .arg(levelText(point->level, m_region), hertz(point->frequency))
                         : QStringLiteral("nema");
        };
        notes << QStringLiteral("Najdublji pad u propusnom opsegu: ") + turn(sum->turns.dip)
              << QStringLiteral("Najvisi vrh u propusnom opsegu: ") + turn(sum->turns.peak);
    }
    if (sum->lowestImpedance)
        notes << QStringLiteral("Najmanja impedansa: %1 oma na %2 Hz")
                     .arg(tenthsText(sum->lowestImpedance->level, m_region),
                          hertz(sum->lowestImpedance->frequency));
    beginInsertRows({}, from, from + int(notes.size()) - 1);
    for (const QString& note : notes) m_rows.push_back({sumIndex(), -1, note});
    endInsertRows();
}

std::optional<formkit::CoilToWind> FactsModel::coilAt(int row) const {
    if (row < 0 || row >= int(m_rows.size()) || !isLadderPart(m_rows[row])) return std::nullopt;
    const response::Network& network = m_curves[m_rows[row].curve].computed;
    const response::Part& part = network.parts[m_rows[row].part];
    // A coil of 0 mH (or a rounding's -0) is a wire: nothing to wind.
    if (part.capacitor || !(part.value > 0)) return std::nullopt;
    return formkit::CoilToWind{part.value, network.load};
}

std::optional<int> FactsModel::rowOf(std::size_t half, int part) const {
    for (int row = 0; row < int(m_rows.size()); ++row)
        if (m_rows[row].curve != sumIndex() && m_curves[m_rows[row].curve].half == half &&
            m_rows[row].part == part)
            return row;
    return std::nullopt;
}

std::optional<std::pair<std::size_t, int>> FactsModel::partAt(int row) const {
    if (row < 0 || row >= int(m_rows.size()) || m_rows[row].part < 0) return std::nullopt;
    return std::pair{m_curves[m_rows[row].curve].half, m_rows[row].part};
}

bool FactsModel::isNote(int row) const { return m_rows[row].part < 0; }

int FactsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

int FactsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Columns;
}

bool FactsModel::isLadderPart(const Row& row) const {
    return row.part >= 0 && row.part < int(m_curves[row.curve].computed.parts.size());
}

// A correction's part: its name with its network's, its value and the standard one.
QString FactsModel::correctionText(const Row& row, int column) const {
    const response::Network& network = m_curves[row.curve].computed;
    const auto [kind, part] =
        correctionParts(network)[std::size_t(row.part) - network.parts.size()];
    switch (column) {
        case PartName:
            return QStringLiteral("%1 (%2)").arg(
                QString::fromLatin1(part.name),
                QString::fromLatin1(formkit::correctionNames[kind]));
        case Value:
            return formkit::componentText(part.value, part.element, m_region);
        case StandardValue: {
            const auto standard = formkit::standardValue(part, m_series);
            return standard ? formkit::componentText(*standard, part.element, m_region) : QString();
        }
        default:
            return {};
    }
}

QString FactsModel::text(const Row& row, int column) const {
    if (column == CurveName)
        return row.curve == sumIndex() ? QStringLiteral("zbir") : m_curves[row.curve].name;
    if (row.part < 0) return column == PartName ? row.note : QString();
    const Curve& curve = m_curves[row.curve];
    if (!isLadderPart(row)) return correctionText(row, column);
    const response::Part& part = curve.computed.parts[row.part];
    switch (column) {
        case PartName:
            return QString::fromStdString(part.name);
        case Value:
            return m_partTexts[row.curve][row.part] + unit(part);
        case Resistance:
            if (part.capacitor) return {};
            return resistanceText(part.resistance, curve.wires[row.part], m_region);
        case StandardValue: {
            if (!part.capacitor) return {};
            const auto standard = response::nearestStandard(part.value, m_series);
            return standard
                       ? QString::fromStdString(calc::numberText(*standard, m_region)) + unit(part)
                       : QStringLiteral("nema");
        }
        default:
            break;
    }
    if (!first(row)) return {};
    const Designed designed{bool(curve.lowerTarget), bool(curve.upperTarget)};
    switch (column) {
        case Target:
            return edgesText(curve.lowerTarget, curve.upperTarget, designed, m_region);
        case Edge:
            return edgesText(curve.edges.lower, curve.edges.upper, designed, m_region);
        case Deviation:
            if (curve.noPassBand) return {};
            return deviationsText(curve.edges.lower, curve.edges.upper, curve.lowerTarget,
                                  curve.upperTarget, m_region);
        case StandardEdge:
            return edgesText(curve.standardEdges.lower, curve.standardEdges.upper, designed,
                             m_region);
        case StandardDeviation:
            if (curve.noPassBand) return {};
            return deviationsText(curve.standardEdges.lower, curve.standardEdges.upper,
                                  curve.lowerTarget, curve.upperTarget, m_region);
        case SoundEdge:
            if (!curve.soundEdges) return {};
            return edgesText(curve.soundEdges->lower, curve.soundEdges->upper, designed, m_region);
        default:
            return {};
    }
}

bool FactsModel::isCoil(const QModelIndex& index) const {
    if (!index.isValid() || index.column() != Resistance) return false;
    const Row& row = m_rows[index.row()];
    return isLadderPart(row) && !m_curves[row.curve].computed.parts[row.part].capacitor;
}

Qt::ItemFlags FactsModel::flags(const QModelIndex& index) const {
    const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    return isCoil(index) ? flags | Qt::ItemIsEditable : flags;
}

// The window reads the text as it reads every field, and warns where it cannot be used.
bool FactsModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !isCoil(index) || !resistanceTyped) return false;
    const Row& row = m_rows[index.row()];
    resistanceTyped(m_curves[row.curve].half, row.part, value.toString());
    return true;
}

QVariant FactsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const Row& row = m_rows[index.row()];
    if (role == Qt::EditRole && isCoil(index))
        return QString::fromStdString(
            calc::numberText(m_curves[row.curve].computed.parts[row.part].resistance, m_region));
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole || role == Qt::ToolTipRole)
        return text(row, index.column());
    if (role == Qt::TextAlignmentRole && index.column() >= Value)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant FactsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    const QString series = m_series == response::Series::E12 ? "E12" : "E24";
    switch (section) {
        case CurveName:
            return QStringLiteral("Kriva");
        case PartName:
            return QStringLiteral("Deo");
        case Value:
            return QStringLiteral("Izracunato");
        case StandardValue:
            return series;
        case Target:
            return QStringLiteral("Fp (Hz)");
        case Edge:
            return QStringLiteral("-3 dB (Hz)");
        case Deviation:
            return QStringLiteral("Odstupanje");
        case StandardEdge:
            return QStringLiteral("-3 dB sa %1\n(Hz)").arg(series);
        case StandardDeviation:
            return QStringLiteral("Odstupanje\nsa %1").arg(series);
        case Resistance:
            return QStringLiteral("R zice\n(oma)");
        case SoundEdge:
            return QStringLiteral("Zvuk -3 dB\n(Hz)");
        default:
            return {};
    }
}

}  // namespace odziv
