#include "formkit/drivers.h"

#include <algorithm>

namespace formkit {

int Drivers::add(const QString& name, const QString& source,
                 std::shared_ptr<const driver::Driver> driver, double offset,
                 std::array<std::optional<project::MeasuredFile>, 2> files) {
    const int row = int(m_entries.size());
    beginInsertRows({}, row, row);
    m_entries.push_back({m_nextId++, name, source, std::move(driver), offset, std::move(files)});
    endInsertRows();
    emit changed();
    return m_entries.back().id;
}

void Drivers::remove(int row) {
    if (row < 0 || row >= int(m_entries.size())) return;
    beginRemoveRows({}, row, row);
    m_entries.erase(m_entries.begin() + row);
    endRemoveRows();
    emit changed();
}

void Drivers::clear() {
    if (m_entries.empty()) return;
    beginResetModel();
    m_entries.clear();
    endResetModel();
    emit changed();
}

const DriverEntry* Drivers::find(int id) const {
    const auto entry = std::ranges::find(m_entries, id, &DriverEntry::id);
    return entry == m_entries.end() ? nullptr : &*entry;
}

void Drivers::subscribe(QObject* receiver, std::function<void()> changed) const {
    connect(this, &Drivers::changed, receiver, std::move(changed));
}

int Drivers::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_entries.size());
}

QVariant Drivers::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)) return {};
    const DriverEntry& entry = m_entries[index.row()];
    return QStringLiteral("%1 (%2)").arg(entry.name, entry.source);
}

}  // namespace formkit
