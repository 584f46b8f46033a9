#pragma once

#include <QAbstractListModel>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "driver/model.h"
#include "project/project.h"

namespace formkit {

// A driver as a builder entered it, by its parameters or by its measured files.
struct DriverEntry {
    int id;          // the same while the program runs, whatever else comes or goes
    QString name;    // as typed: "bas-16cm"
    QString source;  // how it is known: "parametri", "bas-16cm.frd, bas-16cm.zma"
    std::shared_ptr<const driver::Driver> driver;
    double offset;  // mm: its acoustic centre behind the baffle
    // The measured files' names and bytes, FRD then ZMA, kept for a project; none by parameters.
    std::array<std::optional<project::MeasuredFile>, 2> files;
};

// The drivers entered while the program runs, for every window that feeds one: a list whose rows
// show each by name and source. Entered once, used by any curve.
class Drivers : public QAbstractListModel {
    Q_OBJECT

public:
    // The id of the entry added.
    int add(const QString& name, const QString& source,
            std::shared_ptr<const driver::Driver> driver, double offset,
            std::array<std::optional<project::MeasuredFile>, 2> files = {});
    // Removes them all, as a new project starts.
    void clear();
    void remove(int row);
    const std::vector<DriverEntry>& entries() const { return m_entries; }
    // Nothing once it is removed.
    const DriverEntry* find(int id) const;

    // Calls `changed` after each change, for as long as `receiver` lives; a window loaded as a
    // module subscribes here rather than naming the signal (see ShownResults::subscribe).
    void subscribe(QObject* receiver, std::function<void()> changed) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

signals:
    void changed();

private:
    std::vector<DriverEntry> m_entries;
    int m_nextId = 1;
};

}  // namespace formkit
