#pragma once

#include "calc/calc.h"
#include "formkit/bench_sheet.h"
#include "formkit/corrections.h"
#include "forms/odziv/bench_sheet.h"

namespace odziv {

class FactsModel;

// The sheet of what the table shows: each curve's parts in the table's own texts, the resistors'
// powers as "Korekcija" counted them, each coil wound by the winding window's defaults, the sum's
// facts.
SheetContent sheetContentOf(const FactsModel& facts, const formkit::Corrections& corrections,
                            const calc::Region& region,
                            const formkit::BenchSheet::Heading& heading);

}  // namespace odziv
