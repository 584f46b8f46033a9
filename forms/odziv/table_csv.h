#pragma once

#include <QByteArray>

#include "calc/calc.h"

class QAbstractItemModel;

namespace odziv {

// A table's header and every row, notes too, with the texts it shows, as CSV in UTF-8 that a
// spreadsheet of the region reads; a header of two lines becomes one.
QByteArray tableCsv(const QAbstractItemModel& model, const calc::Region& region);

}  // namespace odziv
