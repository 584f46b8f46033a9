#include "forms/odziv/table_csv.h"

#include <QAbstractItemModel>
#include <vector>

#include "csv/csv.h"

namespace odziv {

QByteArray tableCsv(const QAbstractItemModel& model, const calc::Region& region) {
    std::vector<csv::Row> rows(1);
    for (int column = 0; column < model.columnCount(); ++column)
        rows.front().push_back(model.headerData(column, Qt::Horizontal)
                                   .toString()
                                   .replace(QLatin1Char('\n'), QLatin1Char(' '))
                                   .toStdString());
    for (int row = 0; row < model.rowCount(); ++row) {
        csv::Row& cells = rows.emplace_back();
        for (int column = 0; column < model.columnCount(); ++column)
            cells.push_back(model.index(row, column).data().toString().toStdString());
    }
    return QByteArray::fromStdString(csv::text(rows, csv::separatorFor(region.decimal)));
}

}  // namespace odziv
